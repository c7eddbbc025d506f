#include "windows/lumbutton_design.h"

#include "platform/forms/std_font.h"

namespace quellan {

void StoreLumbuttonDesign(win::forms::Form& form, std::string_view controlName,
                          const LumbuttonDesign& design) {
    if (form.HasPropertyStore(controlName)) {
        return;
    }
    win::forms::PropertyBag& store = form.PropertyStore(controlName);
    store.WriteProperty("ButtonStyle", design.buttonStyle);
    // A new instance shows its focus rectangle; the designer keeps that.
    store.WriteProperty("ShowFocusRect", true);
    store.WriteProperty("Font", win::forms::StdFont::Create(design.fontName, design.fontSize));
    if (design.backColor) {
        // Colours are stored as signed 32-bit numbers.
        store.WriteProperty("BackColor", static_cast<std::int32_t>(*design.backColor));
    }
    store.WriteProperty("Caption", design.caption);
    store.WriteProperty("CaptionEffects", std::int32_t{0});
}

}  // namespace quellan
