#include <cstdio>

#include "button/gallery/gallery_host.h"

namespace quellan::gallery {

int WithHeadlessHost(const std::function<int()>& draw);

int WithHost(bool headless, int&, char**, const std::function<int()>& draw) {
    if (!headless) {
        std::fputs("built without the desktop host: only --headless is available\n", stderr);
        return 2;
    }
    return WithHeadlessHost(draw);
}

}  // namespace quellan::gallery
