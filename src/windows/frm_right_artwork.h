#pragma once

// The mini window's background (148 × 140) and icon (16 × 16), from assets/frm_right_*.png,
// built into the program so they never depend on where it was started from.

#include <cstdint>
#include <span>

#include "platform/forms/std_picture.h"

namespace quellan {

std::span<const std::uint8_t> FrmRightBackgroundPng();
std::span<const std::uint8_t> FrmRightIconPng();

// Decoded once and shared; null if a built-in file cannot be decoded.
const win::forms::PictureRef& FrmRightBackground();
const win::forms::PictureRef& FrmRightIcon();

}  // namespace quellan
