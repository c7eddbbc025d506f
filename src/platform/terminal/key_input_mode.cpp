#include "platform/terminal/key_input_mode.h"

#include <termios.h>
#include <unistd.h>

namespace win::terminal {

struct KeyInputMode::SavedSettings {
    termios settings;
};

KeyInputMode::KeyInputMode(Descriptor input) : input_(input) {
    termios settings{};
    if (::tcgetattr(NumberOf(input_), &settings) != 0) {
        return;
    }
    termios keys = settings;
    keys.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    keys.c_cc[VMIN] = 1;
    keys.c_cc[VTIME] = 0;
    if (::tcsetattr(NumberOf(input_), TCSANOW, &keys) == 0) {
        saved_ = std::make_unique<SavedSettings>(settings);
    }
}

KeyInputMode::~KeyInputMode() {
    if (saved_) {
        ::tcsetattr(NumberOf(input_), TCSANOW, &saved_->settings);
    }
}

}  // namespace win::terminal
