#include "platform/gdi/internal/pixel_transfer.h"

#include <algorithm>

namespace win::gdi {

PixelSource DetachedSource(const PixelSource& source, const PixelBitmap& destination,
                           std::vector<std::uint32_t>& copy) {
    const std::uint32_t* begin = destination.Pixels().data();
    const std::uint32_t* end = begin + destination.Pixels().size();
    if (source.pixels < begin || source.pixels >= end) {
        return source;
    }
    copy.resize(static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height));
    for (int y = 0; y < source.height; ++y) {
        const std::uint32_t* row = source.pixels + y * source.stride;
        std::copy(row, row + source.width,
                  copy.begin() + static_cast<std::ptrdiff_t>(y) * source.width);
    }
    return PixelSource{copy.data(), source.width, source.height, source.width};
}

}  // namespace win::gdi
