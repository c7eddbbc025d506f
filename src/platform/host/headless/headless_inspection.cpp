#include "platform/host/headless/headless_host.h"

#include "platform/gdi/png/png_codec.h"

#include <algorithm>
#include <utility>

namespace win::host {

const headless::HeadlessWindow* HeadlessHost::FindWindow(WindowId window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

headless::HeadlessWindow* HeadlessHost::Find(WindowId window) {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

std::vector<std::uint32_t> HeadlessHost::Screenshot() const {
    const int width = std::max(screen_.width, 0);
    const int height = std::max(screen_.height, 0);
    std::vector<std::uint32_t> screen(static_cast<std::size_t>(width) * height, 0);
    for (WindowId id : stack_.BottomToTop()) {
        const headless::HeadlessWindow& window = windows_.at(id);
        if (!window.OnScreen()) {
            continue;
        }
        const Rect& content = window.request.content;
        for (int y = std::max(content.top, 0); y < std::min(content.bottom, height); ++y) {
            for (int x = std::max(content.left, 0); x < std::min(content.right, width); ++x) {
                if (window.ContainsScreenPoint({x, y})) {
                    screen[static_cast<std::size_t>(y) * width + x] =
                        window.PixelAt(x - content.left, y - content.top);
                }
            }
        }
    }
    return screen;
}

namespace {

bool SavePixels(const std::filesystem::path& path, int width, int height,
                std::vector<std::uint32_t> pixels) {
    win::png::PngImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 24;
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0x00FFFFFF;
    }
    image.pixels = std::move(pixels);
    return win::png::WritePngFile(path, image);
}

}  // namespace

bool HeadlessHost::SaveWindowPng(WindowId window, const std::filesystem::path& path) const {
    const headless::HeadlessWindow* found = FindWindow(window);
    if (found == nullptr) {
        return false;
    }
    const Size size = found->ContentSize();
    return SavePixels(path, size.width, size.height, found->pixels);
}

bool HeadlessHost::SaveScreenshotPng(const std::filesystem::path& path) const {
    return SavePixels(path, screen_.width, screen_.height, Screenshot());
}

const HeadlessHost::WebViewState* HeadlessHost::FindWebView(WebViewId view) const {
    auto found = webViews_.find(view);
    return found == webViews_.end() ? nullptr : &found->second;
}

}  // namespace win::host
