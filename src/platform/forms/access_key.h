#pragma once

// The access key of a caption: the character after a single "&" ("&&" is a literal "&").

#include <string_view>

namespace win::forms {

// Upper case for letters; 0 when the caption has none.
char AccessKeyOf(std::string_view caption);

}  // namespace win::forms
