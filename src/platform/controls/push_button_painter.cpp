#include "platform/controls/push_button_painter.h"

#include "platform/gdi/area_fill.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/rect.h"
#include "platform/gdi/sys_color.h"

namespace win::controls {
namespace {

void DrawFrame(HDC dc, RECT& inner, const PushButtonLook& look) {
    if (look.isDefault) {
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&inner, -1, -1);
    }
    if (look.pressed && look.isDefault) {
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawEdge(dc, &inner, look.pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
}

void DrawCaption(HDC dc, RECT box, const PushButtonLook& look, std::string_view caption) {
    constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (look.pressed) {
        OffsetRect(&box, 1, 1);
    }
    SetBkMode(dc, TRANSPARENT);
    if (!look.enabled) {
        // Embossed: a highlight one pixel down-right under the shadow-coloured text.
        RECT highlight = box;
        OffsetRect(&highlight, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawText(dc, caption, -1, &highlight, kFormat);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawText(dc, caption, -1, &box, kFormat);
}

}  // namespace

void PaintPushButton(HDC dc, const RECT& bounds, const PushButtonLook& look,
                     std::string_view caption, HFONT font) {
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
    RECT inner = bounds;
    DrawFrame(dc, inner, look);

    const HFONT previousFont = SelectObject(dc, font);
    // Clipped inside the edge only: a low glyph such as the "_" of a small button must show.
    RECT textBox = bounds;
    InflateRect(&textBox, -2, -2);
    DrawCaption(dc, textBox, look, caption);
    if (previousFont) {
        SelectObject(dc, previousFont);
    }

    if (look.focused) {
        RECT focus = bounds;
        InflateRect(&focus, look.isDefault ? -4 : -3, look.isDefault ? -4 : -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace win::controls
