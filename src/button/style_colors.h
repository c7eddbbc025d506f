#pragma once

// How a button's style decides its colour scheme and its background: the schemes that a style
// forces, and the background each style takes in each scheme.

#include <cstdint>
#include <optional>

#include "platform/gdi/sys_color.h"

namespace quellan {

// The scheme a control ends with when its style is set with `scheme` in force.
std::int32_t CoercedColorScheme(std::int32_t style, std::int32_t scheme);

// The background a style and scheme give, as a plain colour; none where the control keeps the
// one it has (the custom scheme, the themed style, a style number the control does not know).
std::optional<win::OLE_COLOR> StyleBackColor(std::int32_t style, std::int32_t scheme);

// Whether the style shows the focus rectangle unless told otherwise.
bool StyleShowsFocusRect(std::int32_t style);

}  // namespace quellan
