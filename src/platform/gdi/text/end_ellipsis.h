#pragma once

#include "platform/gdi/text/layout_line.h"

namespace win::text {

// Shortens a line wider than `width` to the longest start that leaves room for "...", then adds
// the three dots. When not even the dots fit, only the dots remain. Lines that fit are untouched.
void ApplyEndEllipsis(LayoutLine& line, int width, int dotAdvance);

}  // namespace win::text
