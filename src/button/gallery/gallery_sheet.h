#pragma once

#include <filesystem>
#include <string>

namespace quellan::gallery {

// Draws every style in every state, with and without a picture and a drop-down symbol, and
// each caption effect, into one picture saved as PNG. Needs an attached host. Returns an empty
// text on success, else what went wrong.
std::string DrawGallery(const std::filesystem::path& out);

}  // namespace quellan::gallery
