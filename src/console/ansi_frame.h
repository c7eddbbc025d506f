#pragma once

// Drawing in place on an ANSI terminal: each frame moves the cursor home and overwrites every
// line, clearing only what is left of the previous frame, so the screen never goes blank between
// frames.

#include <string>
#include <string_view>
#include <vector>

namespace quellan::console {

// Switches to the alternate screen and hides the cursor; the leaving text undoes both, giving
// back the screen as it was before.
inline constexpr std::string_view kEnterFullScreen = "\x1b[?1049h\x1b[?25l";
inline constexpr std::string_view kLeaveFullScreen = "\x1b[?25h\x1b[?1049l";

// The lines must already fit the screen: no line wider than it, no more lines than its rows.
std::string FrameText(const std::vector<std::string>& lines);

}  // namespace quellan::console
