#include "button/render/caption_drawing.h"

#include <string>

#include "button/render/colour_functions.h"
#include "platform/gdi/gdi.h"

namespace quellan {

namespace {

struct EffectCopy {
    int dx;
    int dy;
};

constexpr EffectCopy kFourCorners[] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

}  // namespace

void DrawCaptionText(const ButtonView& view, const win::RECT& rect, win::COLORREF colour, int dx,
                     int dy) {
    const win::HDC dc = view.SurfaceDC();
    const win::COLORREF saved = win::GetTextColor(dc);
    win::RECT moved = rect;
    win::OffsetRect(&moved, dx, dy);
    win::SetTextColor(dc, colour);
    const win::UINT flags =
        win::DT_CENTER | win::DT_WORDBREAK | (view.RightToLeft() ? win::DT_RTLREADING : 0u);
    win::DrawTextW(dc, view.Caption(), -1, &moved, flags);
    win::SetTextColor(dc, saved);
}

void DrawCaptionEffects(const ButtonView& view, const win::RECT& rect) {
    const win::COLORREF b = TranslateColor(view.BackColor());
    auto copy = [&](win::COLORREF colour, int dx, int dy) {
        DrawCaptionText(view, rect, colour, dx, dy);
    };
    switch (view.CaptionEffects()) {
        case CaptionEffectEmbossed:
            copy(ShiftColor(b, 0.14f), -1, -1);
            break;
        case CaptionEffectEngraved:
            copy(ShiftColor(b, 0.14f), 1, 1);
            break;
        case CaptionEffectShadow:
            copy(TranslateColor(0xC0C0C0), 1, 1);
            break;
        case CaptionEffectRaised:
            for (const EffectCopy& at : kFourCorners) {
                copy(ShiftColor(b, 0.1f), at.dx, at.dy);
            }
            break;
        case CaptionEffectOutline:
            for (const EffectCopy& at : kFourCorners) {
                copy(ShiftColor(b, -0.1f), at.dx, at.dy);
            }
            break;
        default:
            break;
    }
    const win::COLORREF plain =
        view.Enabled() ? TranslateColor(view.ForeColor()) : win::GetSysColor(win::COLOR_GRAYTEXT);
    copy(plain, 0, 0);
}

win::HFONT CreateSymbolFont(int height) {
    win::LOGFONT font;
    font.lfHeight = height;
    font.lfCharSet = win::SYMBOL_CHARSET;
    font.lfFaceName = "Marlett";
    return win::CreateFontIndirect(&font);
}

void DrawDropDownSymbol(const ButtonView& view, const win::RECT& rect, std::int32_t symbol) {
    const win::HDC dc = view.SurfaceDC();
    const win::HFONT font = CreateSymbolFont(14);
    const win::HFONT previous = win::SelectObject(dc, font);
    const std::string text = std::to_string(symbol);
    win::RECT box = rect;
    win::DrawTextA(dc, text, 1, &box, win::DT_WORDBREAK);
    if (previous) {
        win::SelectObject(dc, previous);
    }
    win::DeleteObject(font);
}

}  // namespace quellan
