#include "button/render/redraw_button.h"

#include "button/render/style_renderers.h"
#include "platform/gdi/gdi.h"

namespace quellan {

namespace {

// These two draw the checked look themselves; every other style shows it pressed.
bool DrawsCheckedItself(std::int32_t style) {
    return style == StyleStandard || style == StyleSoftPanel;
}

void Dispatch(const StylePaint& p) {
    switch (p.view.ButtonStyle()) {
        case StyleStandard:
        case StyleFlat:
        case StyleFlatHotEdge:
        case StyleFlatThinEdge:
            DrawStandardFamily(p);
            break;
        case StyleRoundedGradient:
            DrawRoundedGradient(p);
            break;
        case StyleBlueGradient:
            DrawBlueGradient(p);
            break;
        case StyleToolbarHighlight:
            DrawToolbarHighlight(p);
            break;
        case StyleAmberHighlight:
            DrawAmberHighlight(p);
            break;
        case StyleSoftPanel:
            DrawSoftPanel(p);
            break;
        case StyleSteelFrame:
            DrawSteelFrame(p);
            break;
        case StyleOrangeGloss:
            DrawOrangeGloss(p);
            break;
        case StyleWhiteGloss:
            DrawWhiteGloss(p);
            break;
        case StyleSoftGloss:
            DrawSoftGloss(p);
            break;
        default:
            break;
    }
}

}  // namespace

void RedrawButton(ButtonView& view) {
    view.ClearSurface();
    // Copies of a caption effect must not erase each other.
    win::SetBkMode(view.SurfaceDC(), win::TRANSPARENT);
    const std::int32_t style = view.ButtonStyle();
    if (view.Mode() != 0 && !DrawsCheckedItself(style) && view.Value()) {
        view.SettleDrawState(StateDown);
    }
    if (style == StyleSystemTheme) {
        if (view.ThemeInUse()) {
            DrawSystemTheme(StylePaint(view, view.DrawState()));
            return;
        }
        // No visual styles: the button becomes the rounded style for good.
        view.FallBackFromTheme();
    }
    Dispatch(StylePaint(view, view.DrawState()));
}

}  // namespace quellan
