#include "platform/controls/button_press_tracker.h"

namespace win::controls {

template <class Change>
bool ButtonPressTracker::LookChangedBy(Change change) {
    const bool before = LooksPressed();
    change();
    return before != LooksPressed();
}

bool ButtonPressTracker::MouseDown() {
    return LookChangedBy([this] {
        mouseHeld_ = true;
        inside_ = true;
    });
}

bool ButtonPressTracker::MouseMove(bool inside) {
    return LookChangedBy([this, inside] {
        if (mouseHeld_) {
            inside_ = inside;
        }
    });
}

bool ButtonPressTracker::SpaceDown() {
    return LookChangedBy([this] {
        if (!mouseHeld_) {
            spaceHeld_ = true;
        }
    });
}

bool ButtonPressTracker::Cancel() {
    return LookChangedBy([this] {
        mouseHeld_ = false;
        inside_ = false;
        spaceHeld_ = false;
    });
}

bool ButtonPressTracker::MouseUp(bool inside) {
    const bool clicks = mouseHeld_ && inside && !spaceHeld_;
    mouseHeld_ = false;
    inside_ = false;
    return clicks;
}

bool ButtonPressTracker::SpaceUp() {
    const bool clicks = spaceHeld_ && !mouseHeld_;
    spaceHeld_ = false;
    return clicks;
}

}  // namespace win::controls
