#include "platform/terminal/terminal_device.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace win::terminal {

bool IsTerminal(Descriptor descriptor) {
    return ::isatty(NumberOf(descriptor)) == 1;
}

std::optional<WindowSize> TerminalWindowSize(Descriptor descriptor) {
    winsize size{};
    if (::ioctl(NumberOf(descriptor), TIOCGWINSZ, &size) != 0 || size.ws_col == 0 ||
        size.ws_row == 0) {
        return std::nullopt;
    }
    return WindowSize{size.ws_col, size.ws_row};
}

}  // namespace win::terminal
