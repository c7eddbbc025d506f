#include "platform/forms/form.h"

#include <algorithm>
#include <memory>

#include "platform/controls/standard_controls.h"
#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/gdi_object.h"
#include "platform/forms/twips.h"
#include "platform/gdi/area_fill.h"
#include "platform/gdi/brush.h"
#include "platform/user/user.h"
#include "platform/user/window_slots.h"

namespace win::forms {
namespace {

constexpr char kFormClassName[] = "Form";
constexpr int kFirstControlId = 100;

// The form a window belongs to, kept on the window's record.
struct FormLink {
    Form* form = nullptr;
};

Form* FormOf(HWND window) {
    user::WindowSlots* slots = user::SlotsOf(window);
    FormLink* link = slots ? slots->Find<FormLink>() : nullptr;
    return link ? link->form : nullptr;
}

}  // namespace

struct FormWindowAccess {
    static LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
            auto* form = static_cast<Form*>(create->lpCreateParams);
            if (user::WindowSlots* slots = user::SlotsOf(window); form && slots) {
                form->hwnd_ = window;
                slots->Put(std::make_unique<FormLink>(form));
            }
        }
        Form* form = FormOf(window);
        if (form == nullptr) {
            return DefWindowProc(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            user::SlotsOf(window)->Take<FormLink>();
            form->ReleaseControls();
            form->hwnd_ = nullptr;
            form->state_ = Form::State::Unloaded;
            return DefWindowProc(window, message, wParam, lParam);
        }
        return form->Procedure(message, wParam, lParam);
    }
};

namespace {

LRESULT FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FormWindowAccess::Dispatch(window, message, wParam, lParam);
}

void EnsureFormClass() {
    InitCommonControls();
    WNDCLASS existing;
    if (GetClassInfo(kFormClassName, &existing)) {
        return;
    }
    WNDCLASS windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FormProc;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClassName;
    RegisterClass(windowClass);
}

struct WindowStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

}  // namespace

COLORREF TranslateColor(OLE_COLOR colour) {
    COLORREF out = 0;
    if (OleTranslateColor(colour, nullptr, &out) != S_OK) {
        return colour & 0x00FFFFFF;
    }
    return out;
}

Form::Form(std::string name) : name_(std::move(name)) {
    App().Register(this);
}

Form::~Form() {
    DiscardWindow();
    App().Unregister(this);
}

// ---- lifetime ----------------------------------------------------------------------------------

void Form::EnsureLoaded() {
    if (state_ == State::Unloaded) {
        Load();
    }
}

void Form::Load() {
    if (state_ != State::Unloaded || App().Ended()) {
        return;
    }
    state_ = State::Loading;
    props_ = Properties{};
    ResetFont();
    for (Control* control : AllControls()) {
        control->ResetBase();
        control->ResetProperties();
    }
    Design();
    CreateFormWindow();
    if (!hwnd_) {
        state_ = State::Unloaded;
        return;
    }
    int nextId = kFirstControlId;
    AssignIdsAndCreate(*this, hwnd_, nextId);
    state_ = State::Loaded;
    RaiseEvent([this] { Form_Load(); });
}

void Form::Show() {
    EnsureLoaded();
    if (!hwnd_) {
        return;
    }
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd_);
}

int Form::WindowState() const {
    return hwnd_ && IsIconic(hwnd_) ? vbMinimized : vbNormal;
}

void Form::SetWindowState(int state) {
    EnsureLoaded();
    if (!hwnd_) {
        return;
    }
    if (state == vbMinimized && IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_MINIMIZE);
    } else if (state == vbNormal && IsIconic(hwnd_) && IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_RESTORE);
    }
}

void Form::Hide() {
    if (hwnd_) {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void Form::Unload() {
    if (state_ == State::Unloaded || !hwnd_) {
        return;
    }
    RaiseEvent([this] { Form_Unload(); });
    DiscardWindow();
}

void Form::DiscardWindow() {
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
    // The window's last message has normally done this already.
    ReleaseControls();
    hwnd_ = nullptr;
    state_ = State::Unloaded;
}

bool Form::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

HWND Form::hWnd() {
    EnsureLoaded();
    return hwnd_;
}

void Form::ReleaseControls() {
    for (Control* control : AllControls()) {
        control->ReleaseControlWindow();
    }
}

// ---- the window --------------------------------------------------------------------------------

namespace {

WindowStyles StylesOf(FormBorderStyle border, bool controlBox, bool minButton, bool maxButton,
                      bool showInTaskbar) {
    WindowStyles styles;
    styles.style = WS_CLIPCHILDREN;
    switch (border) {
        case FormBorderStyle::None:
            styles.style |= WS_POPUP;
            break;
        case FormBorderStyle::FixedSingle:
            styles.style |= WS_CAPTION;
            break;
        case FormBorderStyle::Sizable:
            styles.style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case FormBorderStyle::FixedDialog:
            styles.style |= WS_CAPTION | WS_DLGFRAME;
            styles.exStyle |= WS_EX_DLGMODALFRAME;
            minButton = false;
            maxButton = false;
            break;
    }
    if (border != FormBorderStyle::None && controlBox) {
        styles.style |= WS_SYSMENU;
        if (minButton) {
            styles.style |= WS_MINIMIZEBOX;
        }
        if (maxButton) {
            styles.style |= WS_MAXIMIZEBOX;
        }
    }
    styles.exStyle |= showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    return styles;
}

}  // namespace

void Form::CreateFormWindow() {
    EnsureFormClass();
    WindowStyles styles = StylesOf(props_.borderStyle, props_.controlBox, props_.minButton,
                                   props_.maxButton, props_.showInTaskbar);
    const int clientWidth = TwipsToPixels(props_.clientWidth);
    const int clientHeight = TwipsToPixels(props_.clientHeight);
    const bool systemPlaces = props_.startUp == StartUpPosition::WindowsDefault;
    const int x = systemPlaces ? CW_USEDEFAULT : TwipsToPixels(props_.left);
    const int y = systemPlaces ? CW_USEDEFAULT : TwipsToPixels(props_.top);
    CreateWindowEx(styles.exStyle, kFormClassName, props_.caption, styles.style, x, y, clientWidth,
                   clientHeight, nullptr, nullptr, this);
    if (hwnd_) {
        PlaceWindow();
        SendIcon();
    }
}

void Form::PlaceWindow() {
    // The frame's size is known only once the window exists: grow the window by it.
    RECT window;
    RECT client;
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    const int width = TwipsToPixels(props_.clientWidth) + (window.right - window.left) -
                      (client.right - client.left);
    const int height = TwipsToPixels(props_.clientHeight) + (window.bottom - window.top) -
                       (client.bottom - client.top);
    int x = window.left;
    int y = window.top;
    if (props_.startUp == StartUpPosition::CenterScreen ||
        props_.startUp == StartUpPosition::CenterOwner) {
        x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    } else if (props_.startUp == StartUpPosition::Manual && props_.positioned) {
        x = TwipsToPixels(props_.left);
        y = TwipsToPixels(props_.top);
    }
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::AssignIdsAndCreate(Container& container, HWND parent, int& nextId) {
    for (Control* control : container.Controls()) {
        control->id_ = nextId++;
        if (!control->IsWindowless()) {
            control->CreateControlWindow(parent, control->id_);
        }
        if (auto* inner = dynamic_cast<Container*>(control)) {
            AssignIdsAndCreate(*inner, inner->ContainerHwnd(), nextId);
        }
    }
}

std::vector<Control*> Form::AllControls() const {
    std::vector<Control*> all;
    std::vector<const Container*> pending{this};
    // Breadth does not matter; declaration order within each container does.
    std::function<void(const Container&)> collect = [&](const Container& container) {
        for (Control* control : container.Controls()) {
            all.push_back(control);
            if (auto* inner = dynamic_cast<const Container*>(control)) {
                collect(*inner);
            }
        }
    };
    collect(*this);
    return all;
}

Control* Form::ControlById(int id) const {
    for (Control* control : AllControls()) {
        if (control->id_ == id) {
            return control;
        }
    }
    return nullptr;
}

// ---- properties --------------------------------------------------------------------------------

std::string Form::Caption() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return props_.caption;
}

void Form::SetCaption(std::string caption) {
    EnsureLoaded();
    props_.caption = std::move(caption);
    if (hwnd_) {
        SetWindowText(hwnd_, props_.caption);
    }
}

int Form::ScaleWidth() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return props_.clientWidth;
}

int Form::ScaleHeight() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return props_.clientHeight;
}

void Form::SetClientSize(int widthTwips, int heightTwips) {
    props_.clientWidth = std::max(0, widthTwips);
    props_.clientHeight = std::max(0, heightTwips);
    if (hwnd_ && state_ == State::Loaded) {
        PlaceWindow();
    }
}

namespace {

RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

int Form::Left() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return PixelsToTwips(OuterRect(hwnd_).left);
}

int Form::Top() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return PixelsToTwips(OuterRect(hwnd_).top);
}

int Form::Width() const {
    const_cast<Form*>(this)->EnsureLoaded();
    RECT rect = OuterRect(hwnd_);
    return PixelsToTwips(rect.right - rect.left);
}

int Form::Height() const {
    const_cast<Form*>(this)->EnsureLoaded();
    RECT rect = OuterRect(hwnd_);
    return PixelsToTwips(rect.bottom - rect.top);
}

void Form::Move(int left, int top) {
    props_.left = left;
    props_.top = top;
    props_.positioned = true;
    if (state_ == State::Loading && !hwnd_) {
        return;
    }
    EnsureLoaded();
    if (hwnd_) {
        SetWindowPos(hwnd_, nullptr, TwipsToPixels(left), TwipsToPixels(top), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

OLE_COLOR Form::BackColor() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return props_.backColor;
}

void Form::SetBackColor(OLE_COLOR colour) {
    EnsureLoaded();
    props_.backColor = colour;
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, true);
    }
    NotifyAmbientChanged("BackColor");
}

const PictureRef& Form::Picture() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return props_.picture;
}

void Form::SetPicture(PictureRef picture) {
    EnsureLoaded();
    props_.picture = std::move(picture);
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, true);
    }
}

void Form::SetIcon(PictureRef icon) {
    props_.icon = std::move(icon);
    SendIcon();
}

void Form::SendIcon() {
    if (!hwnd_) {
        return;
    }
    const auto bitmap =
        props_.icon ? static_cast<LPARAM>(props_.icon->Handle().Value()) : LPARAM{0};
    SendMessage(hwnd_, WM_SETICON, ICON_BIG, bitmap);
    SendMessage(hwnd_, WM_SETICON, ICON_SMALL, bitmap);
}

// ---- messages ----------------------------------------------------------------------------------

LRESULT Form::Procedure(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = hwnd_;
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_COMMAND:
            if (lParam != 0) {
                if (Control* control = ControlById(LOWORD(wParam))) {
                    control->OnCommand(HIWORD(wParam));
                }
            }
            return 0;
        case WM_TIMER:
            if (Control* control = ControlById(static_cast<int>(wParam))) {
                control->OnTimerMessage();
            }
            return 0;
        case WM_LBUTTONDOWN:
            WindowlessMouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            WindowlessMouseUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = DefWindowProc(window, message, wParam, lParam);
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (position && (position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))) {
                NotifyVisibilityChanged();
            }
            return result;
        }
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

void Form::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    if (!dc) {
        return;
    }
    GdiObject<HBRUSH> background(CreateSolidBrush(TranslateColor(props_.backColor)));
    FillRect(dc, &paint.rcPaint, background.Get());
    if (props_.picture) {
        props_.picture->Render(dc, 0, 0);
    }
    PaintWindowlessControls(dc, paint.rcPaint);
    EndPaint(hwnd_, &paint);
}

}  // namespace win::forms
