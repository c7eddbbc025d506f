#pragma once

// Text as a terminal shows it: how many columns it takes, cut to a width, and made harmless.
// Interface descriptions come from the system (an alias anyone with rights may set), so control
// characters must never reach the terminal, where they would move the cursor or worse.

#include <string>
#include <string_view>

namespace quellan::console {

// Control characters (C0, DEL, C1) and bytes that are not valid UTF-8 become "?".
std::string PrintableText(std::string_view utf8);

// Columns the text takes: East Asian wide characters two, the rest one. Expects printable text.
int DisplayWidth(std::string_view utf8);

// The longest start of the text that fits into `columns`, never cutting a character.
std::string FitToColumns(std::string_view utf8, int columns);

}  // namespace quellan::console
