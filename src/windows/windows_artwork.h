#pragma once

// The artwork of the tariff and about windows, from assets/frm_*.png, built into the program so
// it never depends on where the program was started from.

#include <cstdint>
#include <span>

#include "platform/forms/std_picture.h"

namespace quellan {

std::span<const std::uint8_t> FrmSpendBackgroundPng();
std::span<const std::uint8_t> FrmSpendIconPng();
std::span<const std::uint8_t> FrmAboutBackgroundPng();

// Decoded once and shared; null if a built-in file cannot be decoded.
const win::forms::PictureRef& FrmSpendBackground();  // 400 × 350
const win::forms::PictureRef& FrmSpendIcon();        // 32 × 32
const win::forms::PictureRef& FrmAboutBackground();  // 300 × 150, the whole about window

}  // namespace quellan
