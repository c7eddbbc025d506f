#include "platform/gdi/internal/pixel_bitmap.h"

namespace win::gdi {

PixelBitmap::PixelBitmap(int width, int height, int bitsPerPixel)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u) {}

}  // namespace win::gdi
