#pragma once

// A plain child window that stands where the button will be, for the hook's, the tooltip's and
// the drop-down menu's tests: its procedure records the messages that reach it and lets the
// test act on any of them. On a visible top-level window on a fresh headless desktop.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/controls/standard_controls.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan::test {

class SubclassTestWindows {
public:
    static constexpr win::RECT kFrameRect{300, 200, 700, 500};
    static constexpr win::RECT kButtonRect{100, 100, 220, 130};
    // The windows' own procedure answers this message with kAnswer.
    static constexpr win::UINT kAnswered = win::WM_USER + 1;
    static constexpr win::LRESULT kAnswer = 1234;

    SubclassTestWindows() : SubclassTestWindows(0) {}
    explicit SubclassTestWindows(win::DWORD frameExStyle) {
        current_ = this;
        // As a user control's load does.
        win::InitCommonControls();
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = &Procedure;
        windowClass.lpszClassName = "HookTestWindow";
        win::RegisterClass(windowClass);
        frame = win::CreateWindowEx(frameExStyle, "HookTestWindow", "frame",
                                    win::WS_POPUP | win::WS_VISIBLE, kFrameRect.left,
                                    kFrameRect.top, kFrameRect.right - kFrameRect.left,
                                    kFrameRect.bottom - kFrameRect.top, nullptr);
        button = win::CreateWindowEx(
            0, "HookTestWindow", "button", win::WS_CHILD | win::WS_VISIBLE, kButtonRect.left,
            kButtonRect.top, kButtonRect.right - kButtonRect.left,
            kButtonRect.bottom - kButtonRect.top, frame, win::HMENU::FromValue(7));
        win::SetActiveWindow(frame);
        desktop.Pump();
    }
    ~SubclassTestWindows() {
        if (win::IsWindow(frame)) {
            win::DestroyWindow(frame);
        }
        current_ = nullptr;
    }

    // A point of the button, in screen coordinates.
    static win::POINT OnButton(int x = 10, int y = 10) {
        return {kFrameRect.left + kButtonRect.left + x, kFrameRect.top + kButtonRect.top + y};
    }
    void MoveTo(win::POINT point) {
        desktop.Host().MoveMouse({point.x, point.y});
        desktop.Pump();
    }

    win::testing::HeadlessDesktop desktop;
    win::HWND frame;
    win::HWND button;
    // Messages that reached the windows' own procedure: which window and which message.
    std::vector<std::pair<win::HWND, win::UINT>> reached;
    // Runs for every message of the windows before the default handling.
    std::function<void(win::HWND, win::UINT, win::WPARAM, win::LPARAM)> onMessage;

private:
    static win::LRESULT Procedure(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam) {
        if (current_ != nullptr) {
            current_->reached.emplace_back(window, message);
            if (current_->onMessage) {
                current_->onMessage(window, message, wParam, lParam);
            }
        }
        if (message == kAnswered) {
            return kAnswer;
        }
        return win::DefWindowProc(window, message, wParam, lParam);
    }
    static inline SubclassTestWindows* current_ = nullptr;
};

}  // namespace quellan::test
