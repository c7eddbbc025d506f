#pragma once

// The access key a button caption marks with "&": the character after the first single "&",
// lower-cased. "&&" stands for an ampersand; only the first two "&" groups are looked at.

#include <optional>
#include <string_view>

namespace quellan {

std::optional<char> CaptionAccessKey(std::string_view caption);

}  // namespace quellan
