#pragma once

// The design-time properties of a `lumbutton` placed on a form, kept in the form's property store
// as the form's designer keeps them: the control reads them at every load of its form.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/forms/form.h"

namespace quellan {

struct LumbuttonDesign {
    std::int32_t buttonStyle = 0;
    // The control's default (the button face) when not given.
    std::optional<win::OLE_COLOR> backColor;
    std::string caption;
    std::string fontName = "Tahoma";
    double fontSize = 8.25;
};

// Leaves a store that exists as it is: the form's design is written once.
void StoreLumbuttonDesign(win::forms::Form& form, std::string_view controlName,
                          const LumbuttonDesign& design);

}  // namespace quellan
