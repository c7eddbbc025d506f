#include "platform/host/qt/span_region.h"

#include <QColor>
#include <algorithm>

namespace win::host::desktop {

QRegion RegionFromSpans(std::span<const Span> spans) {
    // QRegion::setRects wants bands sorted by row then column, neither overlapping nor touching;
    // building it that way avoids one union per span.
    std::vector<Span> sorted;
    sorted.reserve(spans.size());
    for (const Span& span : spans) {
        if (span.right > span.left) {
            sorted.push_back(span);
        }
    }
    std::sort(sorted.begin(), sorted.end(), [](const Span& a, const Span& b) {
        return a.y != b.y ? a.y < b.y : a.left < b.left;
    });
    QList<QRect> rows;
    for (const Span& span : sorted) {
        if (!rows.isEmpty() && rows.back().top() == span.y &&
            rows.back().right() + 1 >= span.left) {
            QRect& last = rows.back();
            last.setRight(std::max(last.right(), span.right - 1));
        } else {
            rows.push_back(QRect(span.left, span.y, span.right - span.left, 1));
        }
    }
    QRegion region;
    region.setRects(rows.constData(), static_cast<int>(rows.size()));
    return region;
}

std::vector<Span> SpansFromAlpha(const QImage& image, int threshold) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<Span> spans;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        int x = 0;
        while (x < argb.width()) {
            while (x < argb.width() && qAlpha(row[x]) < threshold) {
                ++x;
            }
            const int left = x;
            while (x < argb.width() && qAlpha(row[x]) >= threshold) {
                ++x;
            }
            if (x > left) {
                spans.push_back({y, left, x});
            }
        }
    }
    return spans;
}

}  // namespace win::host::desktop
