#pragma once

// An open file of the process, by its number; the terminal functions take nothing else.

namespace win::terminal {

enum class Descriptor : int { StandardInput = 0, StandardOutput = 1, StandardError = 2 };

inline int NumberOf(Descriptor descriptor) {
    return static_cast<int>(descriptor);
}

}  // namespace win::terminal
