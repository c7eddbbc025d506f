#include "platform/forms/user_control.h"

#include <cctype>
#include <optional>

#include "platform/controls/picture_box.h"
#include "platform/controls/standard_controls.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/gdi_object.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::forms {
namespace {

constexpr char kUserControlClassName[] = "UserControl";

// The class takes its procedure, and with it the persistent surface, from the picture box's,
// and adds double clicks.
void EnsureUserControlClass() {
    WNDCLASS existing;
    if (GetClassInfo(kUserControlClassName, &existing)) {
        return;
    }
    InitCommonControls();
    WNDCLASS base;
    if (!GetClassInfo(kPictureBoxClassName, &base)) {
        return;
    }
    WNDCLASS windowClass;
    windowClass.style = base.style | CS_DBLCLKS;
    windowClass.lpfnWndProc = base.lpfnWndProc;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kUserControlClassName;
    RegisterClass(windowClass);
}

}  // namespace

UserControl::UserControl(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {
    ResetProperties();
}

std::string_view UserControl::ClassName() const {
    return kUserControlClassName;
}

void UserControl::ResetProperties() {
    surface_ = Surface{};
    extender_.Reset();
    ResetFont();
}

bool UserControl::CanTakeFocus() const {
    return surface_.canGetFocus && WindowedControl::CanTakeFocus();
}

// ---- lifetime ----------------------------------------------------------------------------------

void UserControl::CreateControlWindow(HWND parent, int id) {
    EnsureUserControlClass();
    WindowedControl::CreateControlWindow(parent, id);
}

void UserControl::WindowCreated() {
    SetUpSurface();
    extender_.Attach(window_);
    Site();
}

void UserControl::Site() {
    Form& form = Owner();
    RaiseEvent([this] { UserControl_Initialize(); });
    if (form.HasPropertyStore(Name())) {
        const PropertyBag& bag = form.PropertyStore(Name());
        RaiseEvent([this, &bag] { UserControl_ReadProperties(bag); });
    } else {
        RaiseEvent([this] { UserControl_InitProperties(); });
    }
    sited_ = window_ && !App().Ended();
    if (sited_) {
        RaiseEvent([this] { UserControl_Resize(); });
        OnVisibilityChanged();
    }
}

// While the window is still there: the hooks may draw or read the surface one last time.
void UserControl::Unsite() {
    if (!sited_) {
        return;
    }
    if (shown_) {
        shown_ = false;
        RaiseEvent([this] { UserControl_Hide(); });
    }
    sited_ = false;
    RaiseEvent([this] { UserControl_Terminate(); });
}

void UserControl::ReleaseControlWindow() {
    sited_ = false;
    shown_ = false;
    extender_.Detach();
    WindowedControl::ReleaseControlWindow();
}

void UserControl::OnVisibilityChanged() {
    if (!sited_ || !window_) {
        return;
    }
    const bool shown = IsWindowVisible(window_);
    if (shown == shown_) {
        return;
    }
    shown_ = shown;
    if (shown) {
        RaiseEvent([this] { UserControl_Show(); });
    } else {
        RaiseEvent([this] { UserControl_Hide(); });
    }
}

void UserControl::OnAmbientChanged(std::string_view name) {
    if (sited_) {
        RaiseEvent([this, name] { UserControl_AmbientChanged(name); });
    }
}

// ---- properties --------------------------------------------------------------------------------

void UserControl::PropertyChanged(std::string_view) {
    Owner().MarkPropertiesChanged();
}

void UserControl::SaveProperties() {
    Touch();
    PropertyBag& bag = Owner().PropertyStore(Name());
    bag.Clear();
    UserControl_WriteProperties(bag);
}

const std::string& UserControl::AccessKeys() const {
    Touch();
    return surface_.accessKeys;
}

void UserControl::SetAccessKeys(std::string keys) {
    Touch();
    surface_.accessKeys = std::move(keys);
}

bool UserControl::CanGetFocus() const {
    Touch();
    return surface_.canGetFocus;
}

void UserControl::SetCanGetFocus(bool canGetFocus) {
    Touch();
    surface_.canGetFocus = canGetFocus;
}

namespace {

// The access key as the control listed it, for a key pressed with Alt (letters in any case).
std::optional<char> ListedAccessKey(std::string_view keys, char pressed) {
    const auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    for (char key : keys) {
        if (upper(key) == upper(pressed)) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace

bool UserControl::MatchesAccessKey(char key) const {
    return ListedAccessKey(surface_.accessKeys, key).has_value();
}

void UserControl::OnAccessKey(char key) {
    const std::optional<char> listed = ListedAccessKey(surface_.accessKeys, key);
    if (!listed) {
        return;
    }
    if (CanTakeFocus()) {
        win::SetFocus(window_);
    }
    RaiseAccessKeyPress(static_cast<unsigned char>(*listed));
}

void UserControl::OnDefaultKey(char key) {
    if (geometry_.enabled && geometry_.visible) {
        RaiseAccessKeyPress(key);
    }
}

void UserControl::RaiseAccessKeyPress(int keyAscii) {
    if (sited_) {
        RaiseEvent([this, keyAscii] { UserControl_AccessKeyPress(keyAscii); });
    }
}

// ---- the surface -------------------------------------------------------------------------------

HDC UserControl::SurfaceDc() const {
    if (!window_) {
        return nullptr;
    }
    return HDC::FromValue(
        static_cast<std::uintptr_t>(SendMessage(window_, PBM_GETSURFACEDC, 0, 0)));
}

void UserControl::SetUpSurface() {
    SendMessage(window_, PBM_SETBKCOLOR, surface_.backColor, 0);
    if (HDC dc = SurfaceDc()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, TranslateColor(surface_.foreColor));
    }
}

HDC UserControl::hDC() const {
    Touch();
    return SurfaceDc();
}

int UserControl::ScaleWidth() const {
    Touch();
    RECT client{};
    GetClientRect(window_, &client);
    return client.right - client.left;
}

int UserControl::ScaleHeight() const {
    Touch();
    RECT client{};
    GetClientRect(window_, &client);
    return client.bottom - client.top;
}

OLE_COLOR UserControl::BackColor() const {
    Touch();
    return surface_.backColor;
}

void UserControl::SetBackColor(OLE_COLOR colour) {
    Touch();
    surface_.backColor = colour;
    if (window_) {
        SendMessage(window_, PBM_SETBKCOLOR, colour, 0);
    }
}

OLE_COLOR UserControl::ForeColor() const {
    Touch();
    return surface_.foreColor;
}

void UserControl::SetForeColor(OLE_COLOR colour) {
    Touch();
    surface_.foreColor = colour;
    if (HDC dc = SurfaceDc()) {
        SetTextColor(dc, TranslateColor(colour));
    }
}

void UserControl::Cls() {
    Touch();
    if (window_) {
        SendMessage(window_, PBM_CLEAR, 0, 0);
    }
}

void UserControl::Refresh() {
    Touch();
    HDC surface = SurfaceDc();
    if (!surface) {
        return;
    }
    HDC screen = GetDC(window_);
    if (!screen) {
        return;
    }
    BitBlt(screen, 0, 0, ScaleWidth(), ScaleHeight(), surface, 0, 0, SRCCOPY);
    ReleaseDC(window_, screen);
}

int UserControl::MousePointer() const {
    Touch();
    return surface_.mousePointer;
}

namespace {

int CursorOf(int pointer) {
    switch (pointer) {
        case vbArrow:
            return IDC_ARROW;
        case vbCrosshair:
            return IDC_CROSS;
        case vbIbeam:
            return IDC_IBEAM;
        case vbHourglass:
            return IDC_WAIT;
        case vbNoDrop:
            return IDC_NO;
        case vbSizeAll:
            return IDC_SIZEALL;
        default:
            return 0;
    }
}

}  // namespace

void UserControl::SetMousePointer(int pointer) {
    Touch();
    if (pointer == vbDefault || CursorOf(pointer) != 0) {
        surface_.mousePointer = pointer;
    }
}

bool UserControl::SetPointerShape() const {
    if (surface_.mousePointer == vbDefault) {
        return false;
    }
    SetCursor(LoadCursor(nullptr, CursorOf(surface_.mousePointer)));
    return true;
}

// ---- messages ----------------------------------------------------------------------------------

LRESULT UserControl::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            // The surface draws with it; the control keeps the font object alive.
            if (HDC dc = SurfaceDc()) {
                SelectObject(dc, HFONT::FromValue(static_cast<std::uintptr_t>(wParam)));
            }
            return 0;
        case WM_PAINT:
            if (sited_) {
                RaiseEvent([this] { UserControl_Paint(); });
            }
            break;
        case WM_SIZE: {
            const LRESULT result = CallClassProcedure(window, message, wParam, lParam);
            if (sited_) {
                RaiseEvent([this] { UserControl_Resize(); });
            }
            return result;
        }
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = CallClassProcedure(window, message, wParam, lParam);
            OnVisibilityChanged();
            return result;
        }
        case WM_SETFOCUS:
            if (sited_) {
                RaiseEvent([this] { UserControl_GotFocus(); });
            }
            break;
        case WM_KILLFOCUS:
            if (sited_) {
                RaiseEvent([this] { UserControl_LostFocus(); });
            }
            break;
        case WM_SETCURSOR:
            if (SetPointerShape()) {
                return 1;
            }
            break;
        case WM_DESTROY:
            Unsite();
            break;
        default:
            if (sited_ && (HandleMouse(message, wParam, lParam) || HandleKey(message, wParam))) {
                return 0;
            }
            break;
    }
    return CallClassProcedure(window, message, wParam, lParam);
}

}  // namespace win::forms
