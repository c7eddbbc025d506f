#include "platform/forms/windowed_control.h"

#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {

WindowedControl::WindowedControl(Container& container, std::string name)
    : Control(container, std::move(name)),
      filter_([this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
          return KeyboardFilter(window, message, wParam, lParam);
      }) {}

// A form destroyed while loaded destroys its window in its own destructor, after its controls
// (members of the form) are gone. Their filters go with them, so each window is handed back to
// its class procedure, and still hears its last messages and frees what it made.
WindowedControl::~WindowedControl() {
    if (window_ && classProcedure_ && IsWindow(window_) &&
        GetWindowLongPtr(window_, GWLP_WNDPROC) == filter_.Get().ToLongPtr()) {
        SetWindowLongPtr(window_, GWLP_WNDPROC, classProcedure_.ToLongPtr());
    }
}

HWND WindowedControl::hWnd() const {
    Touch();
    return window_;
}

void WindowedControl::SetFocus() {
    if (HWND window = hWnd()) {
        win::SetFocus(window);
    }
}

bool WindowedControl::CanTakeFocus() const {
    return window_ && geometry_.visible && geometry_.enabled && geometry_.tabStop;
}

void WindowedControl::ResetFont() {
    font_ = StdFont::Create();
    fontSubscription_ = font_->Subscribe([this](std::string_view) { ApplyFont(); });
}

const FontRef& WindowedControl::Font() const {
    Touch();
    return font_;
}

void WindowedControl::SetFont(FontRef font) {
    Touch();
    if (!font) {
        return;
    }
    font_ = std::move(font);
    fontSubscription_ = font_->Subscribe([this](std::string_view) { ApplyFont(); });
    ApplyFont();
}

void WindowedControl::ApplyFont() {
    if (!window_ || !font_) {
        return;
    }
    GdiObject<HFONT> handle(font_->CreateHandle());
    SendMessage(window_, WM_SETFONT, static_cast<WPARAM>(handle.Get().Value()), 1);
    // The window uses the font until told otherwise; the old one may go now.
    fontHandle_ = std::move(handle);
}

void WindowedControl::CreateControlWindow(HWND parent, int id) {
    RECT rect = PixelRect();
    DWORD style = WS_CHILD | Style();
    if (geometry_.visible) {
        style |= WS_VISIBLE;
    }
    if (!geometry_.enabled) {
        style |= WS_DISABLED;
    }
    if (geometry_.tabStop) {
        style |= WS_TABSTOP;
    }
    window_ = CreateWindowEx(ExStyle(), ClassName(), InitialText(), style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent,
                             HMENU::FromValue(id));
    if (window_) {
        classProcedure_ = WNDPROC::FromLongPtr(
            SetWindowLongPtr(window_, GWLP_WNDPROC, filter_.Get().ToLongPtr()));
        ApplyFont();
        WindowCreated();
    }
}

// Tab, Enter, Escape and Alt+key belong to the form, not to the control that has the focus.
LRESULT WindowedControl::KeyboardFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (PreviewMessage(message, wParam, lParam)) {
        return 0;
    }
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        if (Owner().HandleFormKey(static_cast<int>(wParam), message == WM_SYSKEYDOWN, this)) {
            return 0;
        }
    }
    if (message == WM_CHAR &&
        (wParam == '\t' || (wParam == '\r' && !OwnsEnterKey()) || wParam == 0x1B)) {
        return 0;
    }
    return WindowMessage(window, message, wParam, lParam);
}

LRESULT WindowedControl::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallClassProcedure(window, message, wParam, lParam);
}

LRESULT WindowedControl::CallClassProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    return CallWindowProc(classProcedure_, window, message, wParam, lParam);
}

void WindowedControl::ReleaseControlWindow() {
    // The window goes with its form; here only our copy of its handle.
    window_ = nullptr;
    classProcedure_ = nullptr;
    fontHandle_.Reset();
}

}  // namespace win::forms
