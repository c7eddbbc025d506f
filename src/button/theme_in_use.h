#pragma once

// Whether a library exports a function, and whether the button is drawn with the desktop's
// visual-styles theme.
//
// The button keeps one ThemeCheck for its lifetime and asks ThemeInUse() at load (to register
// the system-colour message) and when a redraw of the system-theme style needs a theme.

#include <optional>
#include <string_view>

namespace quellan {

// A library that was not loaded yet is loaded for the check and released again.
bool IsFunctionExported(std::string_view function, std::string_view library);

class ThemeCheck {
public:
    // Worked out at the first call and kept: the theme library is there at all (loaded once and
    // released at once), then whether the application is drawn with the theme.
    bool ThemeInUse();

private:
    std::optional<bool> uxthemePresent_;
    std::optional<bool> appThemed_;
};

}  // namespace quellan
