#pragma once

// While it lives, the terminal hands over every key as it is pressed and no longer echoes it.
// Ctrl-C and the other signal keys keep working. The terminal's settings are put back as they
// were when it ends.

#include <memory>

#include "platform/terminal/descriptor.h"

namespace win::terminal {

class KeyInputMode {
public:
    // Does nothing when the descriptor is no terminal.
    explicit KeyInputMode(Descriptor input);
    ~KeyInputMode();
    KeyInputMode(const KeyInputMode&) = delete;
    KeyInputMode& operator=(const KeyInputMode&) = delete;

    bool Active() const { return saved_ != nullptr; }

private:
    struct SavedSettings;

    Descriptor input_;
    std::unique_ptr<SavedSettings> saved_;
};

}  // namespace win::terminal
