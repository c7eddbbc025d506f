#pragma once

// The statistics window's own 32 × 32 icon (assets/frm_bandwidth_icon.png), built into the
// program so it never depends on where the program was started from.

#include <cstdint>
#include <span>

#include "platform/forms/std_picture.h"

namespace quellan {

// The PNG file's bytes.
std::span<const std::uint8_t> FrmBandwidthIconPng();

// The icon as a picture; null if the built-in file cannot be decoded.
win::forms::PictureRef FrmBandwidthIcon();

}  // namespace quellan
