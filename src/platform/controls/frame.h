#pragma once

namespace win {

// A container with an etched border and no caption; its children sit inside the border.
inline constexpr char kFrameClassName[] = "Frame";

}  // namespace win
