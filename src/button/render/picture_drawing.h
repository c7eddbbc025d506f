#pragma once

// The current picture on the surface: itself, its silhouette, its drop shadow.

#include <cstdint>

#include "button/render/button_view.h"
#include "button/render/content_layout.h"
#include "button/render/picture_compositor.h"

namespace quellan {

// Opacity, effect and grey mode for the draw state; an opacity of 0 draws nothing.
BlendSettings PictureBlendSettings(const ButtonView& view, std::int32_t drawState);

// The current picture with its top-left at `at`'s; colour -1 draws the picture, any other
// colour its silhouette.
void DrawPictureAt(const ButtonView& view, const ContentLayout& layout, const win::RECT& at,
                   win::COLORREF colour, std::int32_t drawState);

// Two silhouettes, down-right of the picture, then the picture again on top.
void DrawPictureShadow(const ButtonView& view, const ContentLayout& layout, std::int32_t drawState);

}  // namespace quellan
