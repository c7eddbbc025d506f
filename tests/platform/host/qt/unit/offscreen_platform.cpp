#include <cstdlib>

namespace {

// Unit tests need no display: Qt's offscreen platform renders and measures all the same.
const bool kOffscreen = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
}();

}  // namespace
