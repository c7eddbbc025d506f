#pragma once

// Where one content pass puts the caption, the picture and the drop-down symbol. Rebuilt by
// every pass; nothing of it outlives the paint.

#include "platform/forms/std_picture.h"
#include "platform/gdi/win_types.h"

namespace quellan {

struct ContentLayout {
    // The picture this paint shows (null when its slot is empty), and its size in pixels.
    win::forms::PictureRef picture;
    int pictureWidth = 0;
    int pictureHeight = 0;
    // Control coordinates in pixels.
    win::RECT caption{};
    win::RECT pictureRect{};
    win::RECT dropDown{};
    // Only a placed picture is drawn.
    bool picturePlaced = false;
};

}  // namespace quellan
