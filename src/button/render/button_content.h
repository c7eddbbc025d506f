#pragma once

// The content pass every style runs once between its background and its borders: lays out
// the caption, the picture and the drop-down symbol, and draws them.

#include <cstdint>

#include "button/render/button_view.h"
#include "button/render/content_layout.h"

namespace quellan {

// Returns where things went, for the caller's information only.
ContentLayout DrawButtonContent(const ButtonView& view, std::int32_t drawState);

// The picture's rectangle from the caption's; nothing without a normal picture.
void PlacePicture(const ButtonView& view, ContentLayout& layout);

}  // namespace quellan
