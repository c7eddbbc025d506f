#pragma once

#include <functional>

namespace quellan::gallery {

// Runs `draw` with a host attached: the headless one, or the desktop's text engine and theme
// on Qt's off-screen platform (no display needed). Returns what `draw` returns.
int WithHost(bool headless, int& argc, char** argv, const std::function<int()>& draw);

}  // namespace quellan::gallery
