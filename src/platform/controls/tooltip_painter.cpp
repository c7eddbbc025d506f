#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/tooltip.h"
#include "platform/controls/tooltip_icons.h"
#include "platform/controls/tooltip_state.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

bool HasStyle(HWND tooltip, DWORD style) {
    return (GetWindowLongPtr(tooltip, GWL_STYLE) & style) != 0;
}

bool IsRightToLeft(HWND tooltip) {
    return (GetWindowLongPtr(tooltip, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

// The title's bold face of the tip's font; the caller deletes it.
HFONT CreateTitleFont(HFONT font) {
    LOGFONT description;
    GetObject(FontOrDefault(font), &description);
    description.lfWeight = FW_BOLD;
    return CreateFontIndirect(&description);
}

SIZE MeasureTitle(HDC dc, const TooltipState& state) {
    if (state.title.empty()) {
        return {};
    }
    const HFONT bold = CreateTitleFont(state.font);
    const HFONT previous = SelectObject(dc, bold);
    RECT box{0, 0, 0, 0};
    DrawText(dc, state.title, -1, &box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(bold);
    return {box.right - box.left, box.bottom - box.top};
}

SIZE MeasureText(HDC dc, HWND tooltip, const TooltipState& state, std::string_view text) {
    const HFONT previous = SelectObject(dc, FontOrDefault(state.font));
    RECT box{0, 0, state.maxWidth > 0 ? state.maxWidth : 0, 0};
    DrawText(dc, text, -1, &box, DT_CALCRECT | TipTextFormat(tooltip, state));
    SelectObject(dc, previous);
    return {box.right - box.left, box.bottom - box.top};
}

// The one-pixel rim of a region: the pixels with a neighbour outside it.
HRGN CreateInnerRegion(HRGN shape) {
    HRGN inner = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(inner, shape, nullptr, RGN_COPY);
    const POINT offsets[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const POINT offset : offsets) {
        HRGN moved = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(moved, shape, nullptr, RGN_COPY);
        OffsetRgn(moved, offset.x, offset.y);
        CombineRgn(inner, inner, moved, RGN_AND);
        DeleteObject(moved);
    }
    return inner;
}

bool HasDropShadow(HWND tooltip) {
    return (GetClassLongPtr(tooltip, GCL_STYLE) & CS_DROPSHADOW) != 0;
}

// The framed body, or the balloon with its stem; the caller owns the region.
HRGN CreateTipShape(const TooltipGeometry& geometry, bool balloon) {
    if (balloon) {
        return CreateBalloonRegion(geometry);
    }
    const RECT& body = geometry.body;
    return CreateRectRgn(body.left, body.top, body.right, body.bottom);
}

HRGN CreateShadowShape(const TooltipGeometry& geometry, bool balloon) {
    const HRGN cast = CreateTipShape(geometry, balloon);
    OffsetRgn(cast, kTooltipShadowDepth, kTooltipShadowDepth);
    return cast;
}

// The window's shape: none for a plain tip without a shadow (its rectangle is its shape).
HRGN CreateWindowShape(const TooltipGeometry& geometry, bool balloon, bool shadow) {
    if (!balloon && !shadow) {
        return HRGN();
    }
    const HRGN shape = CreateTipShape(geometry, balloon);
    if (shadow) {
        const HRGN cast = CreateShadowShape(geometry, balloon);
        CombineRgn(shape, shape, cast, RGN_OR);
        DeleteObject(cast);
    }
    return shape;
}

void PaintShadow(HDC dc, const TooltipState& state, bool balloon) {
    const HRGN cast = CreateShadowShape(state.geometry, balloon);
    FillRgn(dc, cast, GetSysColorBrush(COLOR_BTNSHADOW));
    DeleteObject(cast);
}

void PaintBody(HDC dc, const TooltipState& state, bool balloon) {
    const HBRUSH background = CreateSolidBrush(state.background);
    const HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
    if (balloon) {
        const HRGN shape = CreateBalloonRegion(state.geometry);
        const HRGN inner = CreateInnerRegion(shape);
        FillRgn(dc, shape, frame);
        FillRgn(dc, inner, background);
        DeleteObject(inner);
        DeleteObject(shape);
    } else {
        FillRect(dc, &state.geometry.body, background);
        FrameRect(dc, &state.geometry.body, frame);
    }
    DeleteObject(background);
}

}  // namespace

UINT TipTextFormat(HWND tooltip, const TooltipState& state) {
    UINT format = HasStyle(tooltip, TTS_NOPREFIX) ? DT_NOPREFIX : DT_HIDEPREFIX;
    format |= state.maxWidth >= 0 ? DT_WORDBREAK : DT_SINGLELINE;
    if (IsRightToLeft(tooltip)) {
        format |= DT_RIGHT | DT_RTLREADING;
    }
    return format;
}

void ShowTip(HWND tooltip, TooltipState& state) {
    if (state.hover < 0 || state.hover >= static_cast<int>(state.tools.size())) {
        return;
    }
    const std::string text = state.tools[static_cast<std::size_t>(state.hover)].text;
    if (text.empty()) {
        return;
    }
    TooltipContent content;
    const HDC dc = GetDC(tooltip);
    content.text = MeasureText(dc, tooltip, state, text);
    content.title = MeasureTitle(dc, state);
    ReleaseDC(tooltip, dc);
    // Only the three title icons there are take room.
    content.icon = state.titleIcon >= static_cast<int>(TTI_INFO) &&
                   state.titleIcon <= static_cast<int>(TTI_ERROR);
    content.balloon = HasStyle(tooltip, TTS_BALLOON);
    content.rightToLeft = IsRightToLeft(tooltip);

    POINT cursor;
    GetCursorPos(&cursor);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    state.geometry = LayoutTooltip(content, cursor, screen);
    state.shownText = text;
    state.shown = true;
    state.shadow = HasDropShadow(tooltip);
    if (state.shadow) {
        state.geometry.window.right += kTooltipShadowDepth;
        state.geometry.window.bottom += kTooltipShadowDepth;
    }

    const RECT& window = state.geometry.window;
    SetWindowRgn(tooltip, CreateWindowShape(state.geometry, content.balloon, state.shadow), false);
    SetWindowPos(tooltip, HWND_TOPMOST, window.left, window.top, window.right - window.left,
                 window.bottom - window.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(tooltip, nullptr, false);
}

void HideTip(HWND tooltip, TooltipState& state) {
    if (!state.shown) {
        return;
    }
    state.shown = false;
    ShowWindow(tooltip, SW_HIDE);
}

void PaintTip(HWND tooltip, const TooltipState& state, HDC dc) {
    if (!state.shown) {
        return;
    }
    const bool balloon = HasStyle(tooltip, TTS_BALLOON);
    if (state.shadow) {
        PaintShadow(dc, state, balloon);
    }
    PaintBody(dc, state, balloon);
    const TooltipGeometry& geometry = state.geometry;
    DrawTitleIcon(dc, geometry.icon.left, geometry.icon.top, state.titleIcon);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state.textColour);
    const UINT align = IsRightToLeft(tooltip) ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    if (!state.title.empty()) {
        const HFONT bold = CreateTitleFont(state.font);
        const HFONT previous = SelectObject(dc, bold);
        RECT title = geometry.title;
        DrawText(dc, state.title, -1, &title, DT_SINGLELINE | DT_NOPREFIX | align);
        SelectObject(dc, previous);
        DeleteObject(bold);
    }
    const HFONT previous = SelectObject(dc, FontOrDefault(state.font));
    RECT text = geometry.text;
    DrawText(dc, state.shownText, -1, &text, TipTextFormat(tooltip, state));
    SelectObject(dc, previous);
}

}  // namespace win::controls
