#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace win::host::testing {

// Runs a shell command line of the test's own making and returns what it printed.
std::string RunTool(const std::string& command);
// "0x..." as the X tools print window ids.
std::string HexWindow(std::uint64_t window);
// The window ids of a root-window list property such as _NET_CLIENT_LIST_STACKING.
std::vector<std::uint64_t> RootWindowList(const std::string& property);
// One integer field of `xwininfo -id` ("Absolute upper-left X", "Width", ...); -1 if absent.
int WindowInfoField(std::uint64_t window, const std::string& field);
// The whole screen, saved into the working folder as `name`.png.
class Screenshot {
public:
    explicit Screenshot(const std::string& name);
    // 0x00RRGGBB; all ones outside the picture.
    std::uint32_t Pixel(int x, int y) const;

private:
    QImage image_;
};

}  // namespace win::host::testing
