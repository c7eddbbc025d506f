#pragma once

#include <QImage>
#include <QRegion>
#include <span>
#include <vector>

#include "platform/host/host.h"

namespace win::host::desktop {

// A window shape as Qt wants it; empty spans are skipped.
QRegion RegionFromSpans(std::span<const Span> spans);
// The rows of pixels whose alpha reaches `threshold`, as spans relative to the image.
std::vector<Span> SpansFromAlpha(const QImage& image, int threshold);

}  // namespace win::host::desktop
