#include "app/program_mode.h"

namespace quellan {
namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

ProgramMode ChooseProgramMode(const ProgramOptions& options, const DesktopFacts& facts) {
    if (options.help) {
        return ProgramMode::Help;
    }
    if (options.console || !facts.displayAvailable || !facts.desktopBuilt) {
        return ProgramMode::Console;
    }
    return ProgramMode::Desktop;
}

bool NamesDisplay(const char* x11Display, const char* waylandDisplay) {
    return IsSet(x11Display) || IsSet(waylandDisplay);
}

}  // namespace quellan
