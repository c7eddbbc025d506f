#include <stdexcept>

#include "app/desktop_host.h"

namespace quellan {

bool DesktopBuilt() {
    return false;
}

bool DesktopReachable() {
    return false;
}

int RunOnDesktop(int&, char**, std::function<bool()>) {
    throw std::logic_error("this build has no desktop host");
}

}  // namespace quellan
