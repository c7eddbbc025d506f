#include "platform/forms/frame.h"

#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {

Frame::Frame(Container& container, std::string name)
    : WindowedControl(container, std::move(name)),
      procedure_([this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
          return Procedure(window, message, wParam, lParam);
      }) {
    ResetProperties();
}

// Undone before the control's own filter is, so that the window is handed back to its class
// (see ~WindowedControl).
Frame::~Frame() {
    if (window_ && previous_ && IsWindow(window_) &&
        GetWindowLongPtr(window_, GWLP_WNDPROC) == procedure_.Get().ToLongPtr()) {
        SetWindowLongPtr(window_, GWLP_WNDPROC, previous_.ToLongPtr());
    }
}

void Frame::ResetProperties() {
    caption_.clear();
    geometry_.tabStop = false;
    ResetFont();
}

std::string Frame::Caption() const {
    Touch();
    return caption_;
}

void Frame::SetCaption(std::string caption) {
    Touch();
    caption_ = std::move(caption);
    if (window_) {
        SetWindowText(window_, caption_);
    }
}

void Frame::WindowCreated() {
    previous_ =
        WNDPROC::FromLongPtr(SetWindowLongPtr(window_, GWLP_WNDPROC, procedure_.Get().ToLongPtr()));
}

void Frame::ReleaseControlWindow() {
    previous_ = nullptr;
    WindowedControl::ReleaseControlWindow();
}

LRESULT Frame::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const LRESULT result = CallWindowProc(previous_, window, message, wParam, lParam);
            // The frame has drawn itself; our windowless controls go on top.
            HDC dc = GetDC(window);
            RECT client;
            GetClientRect(window, &client);
            PaintWindowlessControls(dc, client);
            ReleaseDC(window, dc);
            return result;
        }
        case WM_COMMAND:
            return SendMessage(Owner().ContainerHwnd(), message, wParam, lParam);
        case WM_LBUTTONDOWN:
            WindowlessMouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_LBUTTONUP:
            WindowlessMouseUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        default:
            break;
    }
    return CallWindowProc(previous_, window, message, wParam, lParam);
}

}  // namespace win::forms
