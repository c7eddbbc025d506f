#include "platform/host/qt/qt_theme.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cstdint>

#include "platform/host/qt/pixel_image.h"
#include "platform/host/qt/span_region.h"

namespace win::host::desktop {

namespace {

// Below this alpha a panel's edge pixel counts as showing the background through.
constexpr int kShapeAlphaThreshold = 128;
constexpr int kMaxPanelSide = 4096;

QStyleOptionButton PanelOption(QRect rect, PushButtonState state) {
    QStyleOptionButton option;
    option.rect = rect;
    option.palette = QApplication::palette("QPushButton");
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.features = QStyleOptionButton::None;
    switch (state) {
        case PushButtonState::Normal:
            break;
        case PushButtonState::Hot:
            option.state |= QStyle::State_MouseOver;
            break;
        case PushButtonState::Pressed:
            option.state = (option.state & ~QStyle::State_Raised) | QStyle::State_Sunken |
                           QStyle::State_MouseOver;
            break;
        case PushButtonState::Disabled:
            option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(QPalette::Disabled);
            break;
        case PushButtonState::Default:
            option.features |= QStyleOptionButton::DefaultButton;
            break;
    }
    return option;
}

void PaintPanel(QPainter& painter, QRect rect, PushButtonState state) {
    const QStyleOptionButton option = PanelOption(rect, state);
    QApplication::style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, nullptr);
}

bool IsDrawableSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxPanelSide && height <= kMaxPanelSide;
}

// Qt writes 0xFF into the byte our pixels leave unused (0x00RRGGBB).
void ClearUnusedBytes(PixelTarget target, Rect bounds) {
    const int left = std::max(bounds.left, 0);
    const int right = std::min(bounds.right, target.width);
    for (int y = std::max(bounds.top, 0); y < std::min(bounds.bottom, target.height); ++y) {
        std::uint32_t* row = target.pixels + static_cast<std::ptrdiff_t>(y) * target.stride;
        for (int x = left; x < right; ++x) {
            row[x] &= 0x00FFFFFFu;
        }
    }
}

}  // namespace

void QtTheme::DrawPushButton(PixelTarget target, Rect bounds, PushButtonState state) {
    QImage image = WrapPixels(target);
    if (image.isNull() || !IsDrawableSize(bounds.Width(), bounds.Height())) {
        return;
    }
    // Drawn over a transparent panel first, so the edges blend with what is already there.
    QImage panel(bounds.Width(), bounds.Height(), QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    {
        QPainter painter(&panel);
        PaintPanel(painter, panel.rect(), state);
    }
    {
        QPainter painter(&image);
        painter.drawImage(QPoint(bounds.left, bounds.top), panel);
    }
    ClearUnusedBytes(target, bounds);
}

std::vector<Span> QtTheme::PushButtonShape(Size size, PushButtonState state) {
    if (!IsDrawableSize(size.width, size.height)) {
        return {};
    }
    QImage panel(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    {
        QPainter painter(&panel);
        PaintPanel(painter, panel.rect(), state);
    }
    return SpansFromAlpha(panel, kShapeAlphaThreshold);
}

}  // namespace win::host::desktop
