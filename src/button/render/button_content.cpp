#include "button/render/button_content.h"

#include <algorithm>

#include "button/render/caption_drawing.h"
#include "button/render/colour_functions.h"
#include "button/render/drawing_primitives.h"
#include "button/render/picture_drawing.h"
#include "platform/gdi/gdi.h"
#include "platform/numeric/round_half_even.h"

namespace quellan {

namespace {

constexpr win::COLORREF kNoColour = win::CLR_INVALID;

int Rounded(double value) {
    return static_cast<int>(numeric::RoundHalfEven(value).value_or(0));
}

bool IsRightPlacement(std::int32_t align) {
    return align == PictureRightEdge || align == PictureRightOfCaption;
}
bool IsLeftPlacement(std::int32_t align) {
    return align == PictureLeftEdge || align == PictureLeftOfCaption;
}
bool IsTopPlacement(std::int32_t align) {
    return align == PictureTopEdge || align == PictureAboveCaption;
}
bool IsBottomPlacement(std::int32_t align) {
    return align == PictureBottomEdge || align == PictureBelowCaption;
}

bool Pressed(const ButtonView& view, std::int32_t drawState) {
    return drawState == StateDown || (view.Mode() != 0 && view.Value());
}

const win::forms::PictureRef& ChoosePicture(const ButtonView& view, std::int32_t drawState) {
    if (Pressed(view, drawState)) {
        if (view.PictureDown()) {
            return view.PictureDown();
        }
        return view.PictureHot() ? view.PictureHot() : view.PictureNormal();
    }
    if (drawState == StateHot && view.PictureHot()) {
        return view.PictureHot();
    }
    return view.PictureNormal();
}

bool HasDropDownSpace(const ButtonView& view) {
    return view.DropDownSymbol() != 0 || view.DropDownSeparator();
}

// Styles whose content sinks by a pixel while pressed.
bool SinksWhenPressed(std::int32_t style) {
    switch (style) {
        case StyleStandard:
        case StyleFlat:
        case StyleAmberHighlight:
        case StyleSoftPanel:
        case StyleSteelFrame:
        case StyleSoftGloss:
        case StyleFlatHotEdge:
        case StyleFlatThinEdge:
            return true;
        default:
            return false;
    }
}

// Styles whose pressed drop-down symbol sinks one pixel further.
bool SymbolSinksFurther(std::int32_t style) {
    switch (style) {
        case StyleStandard:
        case StyleFlat:
        case StyleSoftPanel:
        case StyleSteelFrame:
        case StyleFlatHotEdge:
        case StyleFlatThinEdge:
            return true;
        default:
            return false;
    }
}

win::RECT MeasureCaption(const ButtonView& view, int w, int h) {
    int reserve = 8;
    if (HasDropDownSpace(view)) {
        reserve = IsRightPlacement(view.PictureAlign()) ? 24 : 16;
    }
    win::RECT box{0, 0, w - reserve, h};
    const win::UINT flags =
        win::DT_CALCRECT | win::DT_WORDBREAK | (view.RightToLeft() ? win::DT_RTLREADING : 0u);
    win::DrawTextW(view.SurfaceDC(), view.Caption(), -1, &box, flags);
    return win::RECT{0, 0, box.right - box.left, box.bottom - box.top};
}

void AlignCaption(const ButtonView& view, const ContentLayout& layout, int w, int h,
                  win::RECT& box) {
    const int textWidth = box.right;
    const int textHeight = box.bottom;
    switch (view.CaptionAlign()) {
        case CaptionLeft:
            win::OffsetRect(&box, 2, (h - textHeight) / 2);
            break;
        case CaptionCenter:
            win::OffsetRect(&box, (w - textWidth + layout.pictureWidth) / 2, (h - textHeight) / 2);
            if (HasDropDownSpace(view)) {
                win::OffsetRect(&box, -8, 0);
            }
            if (IsTopPlacement(view.PictureAlign()) || IsBottomPlacement(view.PictureAlign())) {
                win::OffsetRect(&box, -(layout.pictureWidth / 2), 0);
            }
            break;
        case CaptionRight:
            win::OffsetRect(&box, w - textWidth - 4, (h - textHeight) / 2);
            break;
        default:
            break;
    }
}

void MakeRoomForPicture(const ButtonView& view, const ContentLayout& layout, int w,
                        win::RECT& box) {
    if (!view.PictureNormal()) {
        return;
    }
    const int pw = layout.pictureWidth;
    const int ph = layout.pictureHeight;
    const std::int32_t align = view.PictureAlign();
    const bool centred = view.CaptionAlign() == CaptionCenter;
    if (IsLeftPlacement(align)) {
        if (!centred && box.left < pw + 4) {
            box.left = pw + 4;
            box.right += pw + 4;
        }
    } else if (IsRightPlacement(align)) {
        if (box.right > w - pw - 4) {
            box.right = w - pw - 4;
            box.left -= pw + 4;
        }
        if (centred) {
            win::OffsetRect(&box, -12, 0);
        }
    } else if (align == PictureBackground) {
        if (centred) {
            win::OffsetRect(&box, -16, 0);
        }
    } else if (IsTopPlacement(align)) {
        win::OffsetRect(&box, 0, ph / 2);
    } else if (IsBottomPlacement(align)) {
        win::OffsetRect(&box, 0, -(ph / 2));
    }
}

void ClampToThemeMargin(const ButtonView& view, win::RECT& box) {
    box.left = std::max(box.left, 4);
    box.top = std::max(box.top, 4);
    box.right = std::min(box.right, view.ScaleWidth() - 4);
    box.bottom = std::min(box.bottom, view.ScaleHeight() - 4);
}

void DrawSeparator(const ButtonView& view, const ContentLayout& layout, int w, int h) {
    if (!view.DropDownSeparator() || view.ScaleWidth() - 8 <= layout.caption.right) {
        return;
    }
    const win::HDC dc = view.SurfaceDC();
    DrawLine(dc, w - 16, 3, w - 16, h - 3, ShiftColor(win::GetPixel(dc, 7, 7), -0.1f));
    DrawLine(dc, w - 15, 3, w - 15, h - 3, ShiftColor(win::GetPixel(dc, 7, 7), 0.1f));
}

void DrawPicture(const ButtonView& view, const ContentLayout& layout, std::int32_t drawState) {
    if (!layout.picturePlaced) {
        return;
    }
    const bool lifted = view.PicturePushOnHover() && drawState == StateHot;
    if (lifted) {
        DrawPictureAt(view, layout, layout.pictureRect, TranslateColor(0xC0C0C0), drawState);
        win::RECT raised = layout.pictureRect;
        win::OffsetRect(&raised, -2, -2);
        DrawPictureAt(view, layout, raised, kNoColour, drawState);
    } else {
        DrawPictureAt(view, layout, layout.pictureRect, kNoColour, drawState);
    }
    if (view.PictureShadow() && !lifted) {
        DrawPictureShadow(view, layout, drawState);
    }
}

win::COLORREF CaptionColour(const ButtonView& view, std::int32_t drawState) {
    if (!view.Enabled()) {
        return win::GetSysColor(win::COLOR_GRAYTEXT);
    }
    return TranslateColor(drawState == StateHot ? view.ForeColorHover() : view.ForeColor());
}

bool CaptionIsBlank(const std::string& caption) {
    return caption.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

void PlacePicture(const ButtonView& view, ContentLayout& layout) {
    if (!view.PictureNormal()) {
        return;
    }
    const int w = view.ScaleWidth();
    const int h = view.ScaleHeight();
    const int pw = layout.pictureWidth;
    const int ph = layout.pictureHeight;
    const bool separator = view.DropDownSeparator();
    const win::RECT& caption = layout.caption;
    int left = (w - pw) / 2;
    int top = (h - ph) / 2;
    const std::int32_t align = view.PictureAlign();
    if (CaptionIsBlank(view.Caption()) || align == PictureBackground) {
        left -= separator ? 8 : 0;
    } else {
        switch (align) {
            case PictureLeftEdge:
                left = 3;
                break;
            case PictureLeftOfCaption:
                left = caption.left - pw - 4;
                break;
            case PictureRightEdge:
            case PictureRightOfCaption:
                left = align == PictureRightEdge ? w - pw - 3 : caption.right + 4;
                left -= separator ? 16 : 0;
                left = std::max(left, caption.right + 2);
                break;
            case PictureTopEdge:
                top = 4;
                break;
            case PictureAboveCaption:
                top = caption.top - ph - 2;
                break;
            case PictureBottomEdge:
                top = h - ph - 4;
                break;
            case PictureBelowCaption:
                top = caption.bottom + 2;
                break;
            default:
                break;
        }
        if (IsTopPlacement(align) || IsBottomPlacement(align)) {
            left -= separator ? 8 : 0;
        }
    }
    layout.pictureRect = win::RECT{left, top, left + pw, top + ph};
    layout.picturePlaced = true;
}

ContentLayout DrawButtonContent(const ButtonView& view, std::int32_t drawState) {
    const int w = view.ScaleWidth();
    const int h = view.ScaleHeight();
    const std::int32_t style = view.ButtonStyle();
    ContentLayout layout;
    layout.picture = ChoosePicture(view, drawState);
    if (layout.picture) {
        layout.pictureWidth = layout.picture->PixelWidth();
        layout.pictureHeight = layout.picture->PixelHeight();
    }

    win::RECT box = MeasureCaption(view, w, h);
    AlignCaption(view, layout, w, h, box);
    MakeRoomForPicture(view, layout, w, box);
    if (view.CaptionAlign() == CaptionRight && HasDropDownSpace(view)) {
        win::OffsetRect(&box, -16, 0);
    }
    if (style == StyleSystemTheme) {
        ClampToThemeMargin(view, box);
    }
    layout.caption = box;
    PlacePicture(view, layout);
    if (view.DropDownSymbol() != 0) {
        layout.dropDown = win::RECT{w - 15, Rounded(h / 2.0 - 7), w, Rounded(h / 2.0 + 8)};
    }
    DrawSeparator(view, layout, w, h);

    if (drawState == StateDown && SinksWhenPressed(style)) {
        win::OffsetRect(&layout.caption, 1, 1);
        win::OffsetRect(&layout.pictureRect, 1, 1);
        win::OffsetRect(&layout.dropDown, 1, 1);
    }
    DrawPicture(view, layout, drawState);
    if (view.CaptionEffects() != CaptionEffectNone) {
        DrawCaptionEffects(view, layout.caption);
    }
    DrawCaptionText(view, layout.caption, CaptionColour(view, drawState), 0, 0);

    if (view.DropDownSymbol() != 0) {
        if (drawState == StateDown && SymbolSinksFurther(style)) {
            win::OffsetRect(&layout.dropDown, 1, 1);
        }
        win::SetTextColor(view.SurfaceDC(), view.Enabled() ? TranslateColor(view.ForeColor())
                                                           : win::GetSysColor(win::COLOR_GRAYTEXT));
        DrawDropDownSymbol(view, layout.dropDown, view.DropDownSymbol());
    }
    return layout;
}

}  // namespace quellan
