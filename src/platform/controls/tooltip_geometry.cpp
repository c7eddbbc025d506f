#include "platform/controls/tooltip_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"

namespace win::controls {
namespace {

// Paddings include the one-pixel frame.
constexpr int kPlainPaddingX = 4;
constexpr int kPlainPaddingY = 3;
constexpr int kBalloonPadding = 9;
constexpr int kTitleGap = 4;
constexpr int kIconGap = 5;
constexpr int kStemWidth = 12;
// The stem's tip sits this far in from the balloon's near side, clear of the round corner.
constexpr int kStemInset = 16;

struct Body {
    SIZE size;
    RECT icon{};
    RECT title{};
    RECT text{};
};

RECT Moved(RECT rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

RECT MirroredIn(RECT rect, int width) {
    if (rect.left == rect.right) {
        return rect;
    }
    return {width - rect.right, rect.top, width - rect.left, rect.bottom};
}

// Header (icon and title) over the text, placed left to right from the body's corner.
Body PlaceBody(const TooltipContent& content, int pad) {
    Body body;
    body.size = {0, 0};
    const bool hasHeader = content.icon || content.title.cx > 0;
    int headerHeight = 0;
    int headerRight = pad;
    if (content.icon) {
        body.icon = {pad, pad, pad + kTooltipIconSize, pad + kTooltipIconSize};
        headerRight += kTooltipIconSize + (content.title.cx > 0 ? kIconGap : 0);
        headerHeight = kTooltipIconSize;
    }
    if (content.title.cx > 0) {
        const int titleTop =
            pad + (content.icon ? std::max(0, (kTooltipIconSize - content.title.cy) / 2) : 0);
        body.title = {headerRight, titleTop, headerRight + content.title.cx,
                      titleTop + content.title.cy};
        headerRight += content.title.cx;
        headerHeight = std::max(headerHeight, titleTop - pad + static_cast<int>(content.title.cy));
    }
    const int textTop = pad + (hasHeader ? headerHeight + kTitleGap : 0);
    body.text = {pad, textTop, pad + content.text.cx, textTop + content.text.cy};
    const int contentWidth = std::max(headerRight, static_cast<int>(body.text.right)) - pad;
    body.size = {contentWidth + 2 * pad, textTop + content.text.cy + pad};
    return body;
}

int ClampInto(int position, int extent, int low, int high) {
    return std::max(low, std::min(position, high - extent));
}

TooltipGeometry PlacePlain(const TooltipContent& content, POINT cursor, const RECT& screen) {
    const Body body = PlaceBody(content, kPlainPaddingY);
    const int width = body.size.cx + 2 * (kPlainPaddingX - kPlainPaddingY);
    const int height = body.size.cy;
    const int dx = kPlainPaddingX - kPlainPaddingY;
    int x = content.rightToLeft ? cursor.x - width : cursor.x;
    int y = cursor.y + kTooltipCursorDrop;
    if (y + height > screen.bottom) {
        y = cursor.y - height;
    }
    x = ClampInto(x, width, screen.left, screen.right);
    y = ClampInto(y, height, screen.top, screen.bottom);

    TooltipGeometry geometry{};
    geometry.window = {x, y, x + width, y + height};
    geometry.body = {0, 0, width, height};
    geometry.icon = Moved(body.icon, dx, 0);
    geometry.title = Moved(body.title, dx, 0);
    geometry.text = Moved(body.text, dx, 0);
    return geometry;
}

TooltipGeometry PlaceBalloon(const TooltipContent& content, POINT cursor, const RECT& screen) {
    const Body body = PlaceBody(content, kBalloonPadding);
    const int width = body.size.cx;
    const int height = body.size.cy + kBalloonStemHeight;
    const bool stemOnTop = cursor.y + height <= screen.bottom;
    const int bodyTop = stemOnTop ? kBalloonStemHeight : 0;

    int x = content.rightToLeft ? cursor.x - width + kStemInset : cursor.x - kStemInset;
    x = ClampInto(x, width, screen.left, screen.right);
    int y = stemOnTop ? cursor.y : cursor.y - height + 1;
    y = ClampInto(y, height, screen.top, screen.bottom);

    TooltipGeometry geometry{};
    geometry.window = {x, y, x + width, y + height};
    geometry.body = {0, bodyTop, width, bodyTop + body.size.cy};
    geometry.icon = Moved(body.icon, 0, bodyTop);
    geometry.title = Moved(body.title, 0, bodyTop);
    geometry.text = Moved(body.text, 0, bodyTop);
    geometry.stemOnTop = stemOnTop;

    // The stem runs from its tip (at the point) to a base on the body's edge, its straight side
    // towards the near end of the balloon.
    const int tipX = std::clamp(static_cast<int>(cursor.x) - x, kBalloonCornerDiameter,
                                std::max(kBalloonCornerDiameter, width - kBalloonCornerDiameter));
    const int tipY = stemOnTop ? 0 : height - 1;
    const int baseY = stemOnTop ? bodyTop : bodyTop + body.size.cy - 1;
    const int towards = content.rightToLeft ? -kStemWidth : kStemWidth;
    geometry.stemTip = {tipX, tipY};
    geometry.stemBaseStart = {tipX, baseY};
    geometry.stemBaseEnd = {tipX + towards, baseY};
    return geometry;
}

}  // namespace

TooltipGeometry LayoutTooltip(const TooltipContent& content, POINT cursor, const RECT& screen) {
    TooltipGeometry geometry = content.balloon ? PlaceBalloon(content, cursor, screen)
                                               : PlacePlain(content, cursor, screen);
    if (content.rightToLeft) {
        const int width = geometry.window.right - geometry.window.left;
        geometry.icon = MirroredIn(geometry.icon, width);
        geometry.title = MirroredIn(geometry.title, width);
        geometry.text = MirroredIn(geometry.text, width);
    }
    return geometry;
}

HRGN CreateBalloonRegion(const TooltipGeometry& geometry) {
    const RECT& body = geometry.body;
    HRGN shape = CreateRoundRectRgn(body.left, body.top, body.right + 1, body.bottom + 1,
                                    kBalloonCornerDiameter, kBalloonCornerDiameter);
    if (!shape) {
        return shape;
    }
    const POINT tip = geometry.stemTip;
    const int baseY = geometry.stemBaseStart.y;
    const int rows = std::abs(baseY - tip.y);
    const int fullWidth = geometry.stemBaseEnd.x - geometry.stemBaseStart.x;
    for (int row = 0; row <= rows; ++row) {
        const int y = tip.y + (baseY > tip.y ? row : -row);
        const int reach = rows == 0 ? fullWidth : fullWidth * row / rows;
        const int left = std::min<int>(tip.x, tip.x + reach);
        const int right = std::max<int>(tip.x, tip.x + reach) + 1;
        HRGN line = CreateRectRgn(left, y, right, y + 1);
        CombineRgn(shape, shape, line, RGN_OR);
        DeleteObject(line);
    }
    return shape;
}

}  // namespace win::controls
