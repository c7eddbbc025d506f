#include "platform/forms/windowed_control.h"

#include "platform/user/user.h"

namespace win::forms {

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
        ApplyFont();
        WindowCreated();
    }
}

void WindowedControl::ReleaseControlWindow() {
    // The window goes with its form; here only our copy of its handle.
    window_ = nullptr;
    fontHandle_.Reset();
}

}  // namespace win::forms
