#pragma once

#include <QImage>

#include "platform/host/host.h"

namespace win::host::desktop {

// Our 0x00RRGGBB pixels are exactly QImage::Format_RGB32, so these wrap them without copying;
// the image is valid only while the pixels are. An invalid view gives a null image.
QImage WrapPixels(PixelView view);
QImage WrapPixels(PixelTarget target);
// A copy that owns its pixels, for what Qt keeps (icons).
QImage CopyPixels(PixelView view);

}  // namespace win::host::desktop
