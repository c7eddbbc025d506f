#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/device_access.h"
#include "platform/gdi/win_types.h"

namespace win::user {

// A copy of what the host was last given for one backing store, so a repaint that produced the
// very pixels already on the desktop need not be handed over again.
class PresentedPixels {
public:
    // Nothing is known: the next present goes to the host whole.
    void Forget() { known_ = false; }
    bool Known() const { return known_; }

    // The rows of `dirty` whose pixels differ from the copy, as a rectangle as wide as `dirty`;
    // nothing when every pixel is the same. With no copy, `dirty` itself.
    std::optional<RECT> ChangedPart(const gdi::BitmapPixels& now, const RECT& dirty) const;
    // Takes `area` of `now` into the copy; without a copy, all of `now`.
    void Remember(const gdi::BitmapPixels& now, const RECT& area);

private:
    bool RowDiffers(const gdi::BitmapPixels& now, int y, const RECT& dirty) const;

    std::vector<std::uint32_t> pixels_;
    int width_ = 0;
    int height_ = 0;
    bool known_ = false;
};

}  // namespace win::user
