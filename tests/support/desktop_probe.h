#pragma once

// What the end-to-end tests ask of the private X desktop, through the X tools: windows, their
// geometry and properties, clicks and screenshots.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace desktop_testing {

using namespace std::chrono_literals;

// Long enough for a window to come up on a slow, loaded machine.
inline constexpr std::chrono::milliseconds kPatience = 20s;

// Runs a shell command line of the test's own making and returns what it printed.
std::string RunTool(const std::string& command);
// "0x..." as the X tools print window ids.
std::string HexWindow(std::uint64_t window);
// Asks `done` every 100 ms until it holds or `timeout` has passed; whether it held.
bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = kPatience);

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WindowInfo {
    ScreenRect rect;  // absolute, without any frame the window manager adds
    bool viewable = false;
    bool overrideRedirect = false;
};
// One integer field of `xwininfo -id` ("Absolute upper-left X", "Width", ...); -1 if absent.
int WindowInfoField(std::uint64_t window, const std::string& field);
// Empty when the window does not exist.
std::optional<WindowInfo> InfoOf(std::uint64_t window);
// `xprop -id window names...` as printed.
std::string PropertiesOf(std::uint64_t window, const std::string& names);
// The window ids of a root-window list property such as _NET_CLIENT_LIST_STACKING.
std::vector<std::uint64_t> RootWindowList(const std::string& property);
// The windows the window manager manages whose _NET_WM_NAME, or else WM_NAME, is `title`.
std::vector<std::uint64_t> ManagedWindowsTitled(const std::string& title);
// The first of them, once one is viewable.
std::optional<std::uint64_t> WaitForManagedWindow(const std::string& title);
// The work area the window manager announces (the screen less any panel).
ScreenRect WorkArea();
// Moves the pointer there and clicks the left button.
void ClickAt(int x, int y);

// The whole screen, saved into the working folder as `name`.png.
class Screenshot {
public:
    explicit Screenshot(const std::string& name);
    bool Taken() const { return width_ > 0; }
    // 0x00RRGGBB; all ones outside the picture.
    std::uint32_t Pixel(int x, int y) const;
    // The pixels of a part of the screen, row by row.
    std::vector<std::uint32_t> Area(const ScreenRect& area) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace desktop_testing
