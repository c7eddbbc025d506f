#include "platform/forms/ambient_properties.h"

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace win::forms {

bool AmbientProperties::UserMode() const {
    return !control_.Owner().DesignMode();
}

std::string AmbientProperties::DisplayName() const {
    return control_.Name();
}

FontRef AmbientProperties::Font() const {
    return control_.Owner().Font()->Clone();
}

OLE_COLOR AmbientProperties::BackColor() const {
    return control_.Owner().BackColor();
}

bool AmbientProperties::DisplayAsDefault() const {
    return control_.Owner().DefaultButton() == &control_;
}

}  // namespace win::forms
