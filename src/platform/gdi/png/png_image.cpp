#include "platform/gdi/png/png_image.h"

namespace win::png {

bool PngImage::IsConsistent() const {
    if (width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return false;
    }
    const std::int64_t count = std::int64_t{width} * height;
    return static_cast<std::uint64_t>(count) == pixels.size();
}

}  // namespace win::png
