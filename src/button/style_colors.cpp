#include "button/style_colors.h"

#include <array>

#include "button/render/button_values.h"
#include "button/render/colour_functions.h"

namespace quellan {
namespace {

// Backgrounds of the styles that have a scheme of their own, for schemes 0, 1 and 2.
std::optional<std::array<win::COLORREF, 3>> SchemeColours(std::int32_t style) {
    using Colours = std::array<win::COLORREF, 3>;
    switch (style) {
        case StyleRoundedGradient:
            return Colours{0xE7EBEC, 0xDBEEF3, 0xFCF1F0};
        case StyleBlueGradient:
            return Colours{0xFDECE0, 0xDEEDE8, ShiftColor(0xD4D4D4, 0.06f)};
        case StyleAmberHighlight:
            return Colours{0xFCE1CA, 0xBAD6D4, ShiftColor(0xBA9EA0, 0.15f)};
        case StyleOrangeGloss:
        case StyleSoftGloss:
            return Colours{0xFFD1AD, 0xBAD6D4, 0xE3DFE0};
        case StyleWhiteGloss:
            return Colours{0xFFD1AD, 0xBAD6D4, 0xE1D6D5};
        default:
            return std::nullopt;
    }
}

bool TakesButtonFace(std::int32_t style) {
    switch (style) {
        case StyleStandard:
        case StyleFlat:
        case StyleToolbarHighlight:
        case StyleSoftPanel:
        case StyleSteelFrame:
        case StyleFlatHotEdge:
        case StyleFlatThinEdge:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::int32_t CoercedColorScheme(std::int32_t style, std::int32_t scheme) {
    switch (style) {
        case StyleBlueGradient:
        case StyleWhiteGloss:
            return ColorSchemeSilver;
        case StyleStandard:
        case StyleFlat:
        case StyleRoundedGradient:
        case StyleToolbarHighlight:
        case StyleSoftPanel:
        case StyleSteelFrame:
        case StyleOrangeGloss:
        case StyleSoftGloss:
            return ColorSchemeBlue;
        default:
            return scheme;
    }
}

std::optional<win::OLE_COLOR> StyleBackColor(std::int32_t style, std::int32_t scheme) {
    if (TakesButtonFace(style)) {
        return TranslateColor(0x80000000u | win::COLOR_BTNFACE);
    }
    const auto colours = SchemeColours(style);
    if (!colours || scheme < ColorSchemeBlue || scheme > ColorSchemeSilver) {
        return std::nullopt;
    }
    return (*colours)[static_cast<std::size_t>(scheme)];
}

bool StyleShowsFocusRect(std::int32_t style) {
    return style == StyleStandard || style == StyleFlat || style == StyleWhiteGloss;
}

}  // namespace quellan
