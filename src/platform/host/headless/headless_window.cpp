#include "platform/host/headless/headless_window.h"

#include <algorithm>

namespace win::host::headless {

bool HeadlessWindow::ContainsScreenPoint(Point screen) const {
    if (!request.content.Contains(screen)) {
        return false;
    }
    if (!shape) {
        return true;
    }
    const int x = screen.x - request.content.left;
    const int y = screen.y - request.content.top;
    return std::any_of(shape->begin(), shape->end(), [&](const Span& span) {
        return span.y == y && x >= span.left && x < span.right;
    });
}

std::uint32_t HeadlessWindow::PixelAt(int x, int y) const {
    const Size size = ContentSize();
    if (x < 0 || y < 0 || x >= size.width || y >= size.height) {
        return 0;
    }
    return pixels[static_cast<std::size_t>(y) * size.width + x];
}

void HeadlessWindow::ResizeContent(Rect content) {
    const Size oldSize = ContentSize();
    std::vector<std::uint32_t> old = std::move(pixels);
    request.content = content;
    const Size size = ContentSize();
    pixels.assign(static_cast<std::size_t>(std::max(size.width, 0)) * std::max(size.height, 0), 0);
    const int rows = std::min(oldSize.height, size.height);
    const int columns = std::min(oldSize.width, size.width);
    for (int y = 0; y < rows; ++y) {
        std::copy_n(old.begin() + static_cast<std::ptrdiff_t>(y) * oldSize.width, columns,
                    pixels.begin() + static_cast<std::ptrdiff_t>(y) * size.width);
    }
}

void HeadlessWindow::CopyPresented(PixelView from, Rect dirty) {
    const Size size = ContentSize();
    const int left = std::max({dirty.left, 0});
    const int top = std::max({dirty.top, 0});
    const int right = std::min({dirty.right, size.width, from.width});
    const int bottom = std::min({dirty.bottom, size.height, from.height});
    if (from.pixels == nullptr || right <= left || bottom <= top) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* row = from.pixels + static_cast<std::ptrdiff_t>(y) * from.stride;
        std::copy(row + left, row + right,
                  pixels.begin() + static_cast<std::ptrdiff_t>(y) * size.width + left);
    }
}

}  // namespace win::host::headless
