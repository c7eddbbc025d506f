#include "tests/support/desktop_probe.h"

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/gdi/png/png_codec.h"

namespace desktop_testing {
namespace {

// The integer after "field:" in xwininfo's report; nullopt when absent.
std::optional<int> ReportedNumber(const std::string& report, const std::string& field) {
    const std::size_t at = report.find(field + ":");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(report.substr(at + field.size() + 1));
}

// The quoted text of one property in xprop's report, e.g. _NET_WM_NAME(UTF8_STRING) = "...".
std::optional<std::string> QuotedValue(const std::string& report, const std::string& property) {
    const std::size_t at = report.find(property + "(");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t open = report.find('"', at);
    const std::size_t close = open == std::string::npos ? open : report.find('"', open + 1);
    const std::size_t lineEnd = report.find('\n', at);
    if (close == std::string::npos || (lineEnd != std::string::npos && open > lineEnd)) {
        return std::nullopt;
    }
    return report.substr(open + 1, close - open - 1);
}

}  // namespace

std::string RunTool(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>/dev/null").c_str(), "r"),
                                               pclose);
    if (!pipe) {
        return output;
    }
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        output.append(buffer.data(), read);
    }
    return output;
}

std::string HexWindow(std::uint64_t window) {
    std::ostringstream out;
    out << "0x" << std::hex << window;
    return out.str();
}

bool PollUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

std::optional<WindowInfo> InfoOf(std::uint64_t window) {
    const std::string report = RunTool("xwininfo -id " + HexWindow(window));
    const auto x = ReportedNumber(report, "Absolute upper-left X");
    const auto y = ReportedNumber(report, "Absolute upper-left Y");
    const auto width = ReportedNumber(report, "Width");
    const auto height = ReportedNumber(report, "Height");
    if (!x || !y || !width || !height) {
        return std::nullopt;
    }
    WindowInfo info;
    info.rect = {*x, *y, *x + *width, *y + *height};
    info.viewable = report.find("Map State: IsViewable") != std::string::npos;
    info.overrideRedirect = report.find("Override Redirect State: yes") != std::string::npos;
    return info;
}

int WindowInfoField(std::uint64_t window, const std::string& field) {
    return ReportedNumber(RunTool("xwininfo -id " + HexWindow(window)), field).value_or(-1);
}

std::string PropertiesOf(std::uint64_t window, const std::string& names) {
    return RunTool("xprop -id " + HexWindow(window) + " " + names);
}

std::vector<std::uint64_t> RootWindowList(const std::string& property) {
    const std::string output = RunTool("xprop -root " + property);
    std::vector<std::uint64_t> windows;
    for (std::size_t at = output.find("0x"); at != std::string::npos;
         at = output.find("0x", at + 2)) {
        windows.push_back(std::stoull(output.substr(at), nullptr, 16));
    }
    return windows;
}

std::vector<std::uint64_t> ManagedWindowsTitled(const std::string& title) {
    std::vector<std::uint64_t> titled;
    for (std::uint64_t window : RootWindowList("_NET_CLIENT_LIST")) {
        const std::string names = PropertiesOf(window, "_NET_WM_NAME WM_NAME");
        auto name = QuotedValue(names, "_NET_WM_NAME");
        if (!name) {
            name = QuotedValue(names, "WM_NAME");
        }
        if (name == title) {
            titled.push_back(window);
        }
    }
    return titled;
}

std::optional<std::uint64_t> WaitForManagedWindow(const std::string& title) {
    std::optional<std::uint64_t> found;
    PollUntil([&] {
        for (std::uint64_t window : ManagedWindowsTitled(title)) {
            const auto info = InfoOf(window);
            if (info && info->viewable) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

ScreenRect WorkArea() {
    // _NET_WORKAREA(CARDINAL) = x, y, width, height, ... one set per desktop.
    const std::string output = RunTool("xprop -root _NET_WORKAREA");
    const std::size_t equals = output.find('=');
    std::array<int, 4> values{};
    std::istringstream in(equals == std::string::npos ? "" : output.substr(equals + 1));
    char comma = 0;
    in >> values[0] >> comma >> values[1] >> comma >> values[2] >> comma >> values[3];
    return {values[0], values[1], values[0] + values[2], values[1] + values[3]};
}

void ClickAt(int x, int y) {
    RunTool("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

Screenshot::Screenshot(const std::string& name) {
    const std::string file = name + ".png";
    RunTool("import -window root " + file);
    win::png::PngReadResult read = win::png::ReadPngFile(file);
    if (!read) {
        return;
    }
    width_ = read.image->width;
    height_ = read.image->height;
    pixels_ = std::move(read.image->pixels);
}

std::uint32_t Screenshot::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0xFFFFFFFFu;
    }
    return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0x00FFFFFFu;
}

std::vector<std::uint32_t> Screenshot::Area(const ScreenRect& area) const {
    std::vector<std::uint32_t> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            pixels.push_back(Pixel(x, y));
        }
    }
    return pixels;
}

}  // namespace desktop_testing
