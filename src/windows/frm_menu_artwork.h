#pragma once

// The tray menu window's artwork, from assets/frm_menu_*.png, built into the program.

#include <cstdint>
#include <span>

#include "platform/forms/std_picture.h"

namespace quellan {

std::span<const std::uint8_t> FrmMenuBackgroundPng();
std::span<const std::uint8_t> FrmMenuStatisticsPng();
std::span<const std::uint8_t> FrmMenuCornerPng();
std::span<const std::uint8_t> FrmMenuTariffPng();
std::span<const std::uint8_t> FrmMenuBannerPng();
std::span<const std::uint8_t> FrmMenuIconPng();

// Decoded once and shared; null if a built-in file cannot be decoded.
const win::forms::PictureRef& FrmMenuBackground();  // 350 × 330
const win::forms::PictureRef& FrmMenuStatistics();  // 50 × 50
const win::forms::PictureRef& FrmMenuCorner();      // 50 × 50
const win::forms::PictureRef& FrmMenuTariff();      // 50 × 50
const win::forms::PictureRef& FrmMenuBanner();      // 200 × 80
const win::forms::PictureRef& FrmMenuIcon();        // 32 × 32, the window's and the tray's

}  // namespace quellan
