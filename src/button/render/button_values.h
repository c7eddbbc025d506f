#pragma once

// The owner-drawn button's enumerated property values, by the names its users know them by.
// Properties that take them are plain 32-bit integers, so any number can be stored; these name
// the ones that mean something.

#include <cstdint>

namespace quellan {

enum ButtonStyles : std::int32_t {
    StyleStandard = 0,
    StyleFlat = 1,
    StyleRoundedGradient = 2,
    StyleBlueGradient = 3,
    StyleToolbarHighlight = 4,
    StyleAmberHighlight = 5,
    StyleSoftPanel = 6,
    StyleSteelFrame = 7,
    StyleOrangeGloss = 8,
    StyleWhiteGloss = 9,
    StyleSoftGloss = 10,
    StyleFlatHotEdge = 11,
    StyleFlatThinEdge = 12,
    StyleSystemTheme = 13,
};

enum CaptionAlignments : std::int32_t { CaptionLeft = 0, CaptionCenter = 1, CaptionRight = 2 };

enum DropDownSymbols : std::int32_t { DropDownNone = 0 };

enum DisabledPictureModes : std::int32_t { DisabledTranslucent = 0, DisabledGreyscale = 1 };

enum ButtonModes : std::int32_t { ModePush = 0, ModeCheck = 1, ModeOption = 2 };

enum PictureAlignments : std::int32_t {
    PictureLeftEdge = 0,
    PictureLeftOfCaption = 1,
    PictureRightEdge = 2,
    PictureRightOfCaption = 3,
    PictureBackground = 4,
    PictureTopEdge = 5,
    PictureAboveCaption = 6,
    PictureBottomEdge = 7,
    PictureBelowCaption = 8,
};

enum PictureEffects : std::int32_t { EffectNone = 0, EffectBrighten = 1, EffectDarken = 2 };

enum CaptionEffectValues : std::int32_t {
    CaptionEffectNone = 0,
    CaptionEffectEmbossed = 1,
    CaptionEffectEngraved = 2,
    CaptionEffectShadow = 3,
    CaptionEffectRaised = 4,
    CaptionEffectOutline = 5,
};

enum TooltipIcons : std::int32_t {
    TooltipIconNone = 0,
    TooltipIconInfo = 1,
    TooltipIconWarning = 2,
    TooltipIconError = 3,
};

enum TooltipTypes : std::int32_t { TooltipStandard = 0, TooltipBalloon = 1 };

enum ColorSchemes : std::int32_t {
    ColorSchemeBlue = 0,
    ColorSchemeOlive = 1,
    ColorSchemeSilver = 2,
    ColorSchemeCustom = 3,
};

// The look the next redraw draws.
enum DrawStates : std::int32_t { StateNormal = 0, StateHot = 1, StateDown = 2 };

}  // namespace quellan
