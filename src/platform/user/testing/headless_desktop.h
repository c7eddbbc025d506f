#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "platform/host/headless/headless_host.h"
#include "platform/user/user_types.h"

namespace win::testing {

// The window manager attached to a fresh headless desktop, whose loop step dispatches our
// messages: injected input and clock advances are handled before the call returns.
class HeadlessDesktop {
public:
    HeadlessDesktop();
    ~HeadlessDesktop();
    HeadlessDesktop(const HeadlessDesktop&) = delete;
    HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

    host::HeadlessHost& Host() { return host_; }
    // Timers fire through the message loop on the way.
    void Advance(std::int64_t milliseconds) { host_.Advance(milliseconds); }
    // Dispatches everything waiting and presents what changed.
    void Pump();
    // Runs `step` once the clock has moved `milliseconds` on, also inside a nested loop (a menu
    // or a message box that is open by then).
    void After(std::int64_t milliseconds, std::function<void()> step);
    // A key pressed and released.
    void TapKey(int virtualKey);

    // The pop-up menu window that is open, if any, and where it is on the screen.
    static HWND OpenMenu();
    static RECT OpenMenuRect();

    // The native window showing a top-level window; None for any other.
    host::WindowId NativeOf(HWND topLevel) const;
    // What the desktop shows of a top-level window, content coordinates, 0x00RRGGBB.
    std::uint32_t PresentedPixel(HWND topLevel, int x, int y) const;
    bool SavePng(HWND topLevel, const std::filesystem::path& path) const;

private:
    host::HeadlessHost host_;
};

}  // namespace win::testing
