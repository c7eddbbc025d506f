#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"
#include "platform/gdi/gdi.h"

namespace quellan {

namespace {

constexpr win::OLE_COLOR kAppWorkspace = 0x8000000C;
constexpr win::OLE_COLOR kGreyText = 0x80000011;
constexpr win::COLORREF kBlack = 0;
constexpr win::COLORREF kWhite = 0xFFFFFF;

void DrawDisabled(const StylePaint& p, std::int32_t style) {
    if (style == StyleStandard) {
        p.Edge(p.Bounds(), win::EDGE_RAISED);
    } else if (style == StyleFlat) {
        p.Edge(p.Bounds(), win::BDR_RAISEDINNER);
    }
    p.Content();
}

void DrawChecked(const StylePaint& p, std::int32_t style) {
    p.Fill(ShiftColor(p.back, 0.02f));
    p.Content();
    if (style == StyleFlatThinEdge) {
        return;
    }
    p.Edge(p.Bounds(), win::EDGE_SUNKEN);
    if (style == StyleStandard && p.view.ShowFocusRect() && p.view.HasFocus()) {
        p.Frame(4, 4, p.w - 7, p.h - 7, TranslateColor(kAppWorkspace));
    }
}

void DrawDown(const StylePaint& p, std::int32_t style) {
    switch (style) {
        case StyleStandard:
            p.Frame(1, 1, p.w - 2, p.h - 2, TranslateColor(0x99A8AC));
            p.Frame(0, 0, p.w, p.h, kBlack);
            break;
        case StyleFlat:
        case StyleFlatThinEdge:
            p.Frame(0, 0, p.w, p.h, kWhite);
            p.Frame(0, 0, p.w + 1, p.h + 1, TranslateColor(kGreyText));
            break;
        case StyleFlatHotEdge:
            p.Edge(p.Bounds(), win::EDGE_SUNKEN);
            break;
        default:
            break;
    }
}

void DrawFocusAndDefault(const StylePaint& p, std::int32_t style) {
    if (!p.FocusOrDefault()) {
        return;
    }
    if (p.view.UserMode() && p.view.ShowFocusRect() && p.view.ParentActive()) {
        const int inset = (style == StyleStandard || style == StyleFlatHotEdge) ? 4 : 3;
        p.FocusRect(inset, inset, p.w - inset, p.h - inset);
    }
    if (style == StyleStandard && p.state != StateDown) {
        p.Edge(win::RECT{0, 0, p.w - 1, p.h - 1}, win::EDGE_RAISED);
        p.Frame(0, 0, p.w - 1, p.h - 1, TranslateColor(kAppWorkspace));
        p.Frame(0, 0, p.w, p.h, kBlack);
    }
}

}  // namespace

void DrawStandardFamily(const StylePaint& p) {
    const std::int32_t style = p.view.ButtonStyle();
    if (p.Disabled()) {
        DrawDisabled(p, style);
        return;
    }
    if (p.Checked()) {
        DrawChecked(p, style);
        return;
    }
    if (p.state == StateNormal) {
        p.Region();
    }
    p.Fill(p.back);
    p.Content();
    if (p.state == StateNormal) {
        if (style == StyleStandard) {
            p.Edge(p.Bounds(), win::EDGE_RAISED);
        } else if (style == StyleFlat) {
            p.Edge(p.Bounds(), win::BDR_RAISEDINNER);
        }
    } else if (p.state == StateHot) {
        const bool thin = style == StyleFlat || style == StyleFlatThinEdge;
        p.Edge(p.Bounds(), thin ? win::BDR_RAISEDINNER : win::EDGE_RAISED);
    } else if (p.state == StateDown) {
        DrawDown(p, style);
    }
    DrawFocusAndDefault(p, style);
}

}  // namespace quellan
