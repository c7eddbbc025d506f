#pragma once

namespace win::controls {

// The input rules of a push button: it looks pressed while the left button, held since a press
// on it, is over it, or while the space bar is held; releasing either over it clicks.
class ButtonPressTracker {
public:
    // Each returns whether the pressed look changed.
    bool MouseDown();
    bool MouseMove(bool inside);
    bool SpaceDown();
    // Focus or capture lost: nothing is held any more.
    bool Cancel();

    // Each returns whether this release clicks.
    bool MouseUp(bool inside);
    bool SpaceUp();

    bool LooksPressed() const { return (mouseHeld_ && inside_) || spaceHeld_; }
    bool MouseHeld() const { return mouseHeld_; }

private:
    template <class Change>
    bool LookChangedBy(Change change);

    bool mouseHeld_ = false;
    bool inside_ = false;
    bool spaceHeld_ = false;
};

}  // namespace win::controls
