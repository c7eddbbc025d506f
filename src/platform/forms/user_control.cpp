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

void UserControl::PropertyChanged(std::string_view propertyName) {
    Owner().MarkPropertyChanged(Name(), propertyName);
}

void UserControl::SaveProperties() {
    Touch();
    PropertyBag& bag = Owner().PropertyStore(Name());
    bag.Clear();
    UserControl_WriteProperties(bag);
}

bool UserControl::CanGetFocus() const {
    Touch();
    return surface_.canGetFocus;
}

void UserControl::SetCanGetFocus(bool canGetFocus) {
    Touch();
    surface_.canGetFocus = canGetFocus;
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
