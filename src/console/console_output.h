#pragma once

#include <functional>
#include <string_view>

namespace quellan::console {

// Where a view's text goes; false once the output is gone (a closed pipe, a hung-up terminal).
using ConsoleOutput = std::function<bool(std::string_view)>;

}  // namespace quellan::console
