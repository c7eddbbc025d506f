#pragma once

#include <optional>

#include "platform/terminal/descriptor.h"

namespace win::terminal {

struct WindowSize {
    int columns = 0;
    int rows = 0;
};

bool IsTerminal(Descriptor descriptor);

// Nothing when the descriptor is no terminal or the terminal does not know its size.
std::optional<WindowSize> TerminalWindowSize(Descriptor descriptor);

}  // namespace win::terminal
