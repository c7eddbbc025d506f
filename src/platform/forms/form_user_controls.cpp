#include <utility>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace win::forms {

void Form::ResetFont() {
    props_.font = StdFont::Create();
    fontSubscription_ =
        props_.font->Subscribe([this](std::string_view) { NotifyAmbientChanged("Font"); });
}

const FontRef& Form::Font() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return props_.font;
}

void Form::SetFont(FontRef font) {
    EnsureLoaded();
    if (!font || font == props_.font) {
        return;
    }
    props_.font = std::move(font);
    fontSubscription_ =
        props_.font->Subscribe([this](std::string_view) { NotifyAmbientChanged("Font"); });
    NotifyAmbientChanged("Font");
}

void Form::SetDefaultButton(Control* button) {
    Control* previous = std::exchange(props_.defaultButton, button);
    if (previous == button) {
        return;
    }
    for (Control* changed : {previous, button}) {
        if (changed) {
            changed->OnAmbientChanged("DisplayAsDefault");
        }
    }
}

void Form::SetDesignMode(bool designMode) {
    if (designMode != designMode_) {
        designMode_ = designMode;
        NotifyAmbientChanged("UserMode");
    }
}

PropertyBag& Form::PropertyStore(std::string_view controlName) {
    auto it = propertyStores_.find(controlName);
    if (it == propertyStores_.end()) {
        it = propertyStores_.emplace(std::string(controlName), PropertyBag{}).first;
    }
    return it->second;
}

bool Form::HasPropertyStore(std::string_view controlName) const {
    return propertyStores_.find(controlName) != propertyStores_.end();
}

void Form::SaveProperties() {
    EnsureLoaded();
    for (Control* control : AllControls()) {
        control->WriteStoredProperties();
    }
    changedProperties_.clear();
}

void Form::MarkPropertyChanged(std::string_view controlName, std::string_view propertyName) {
    changedProperties_.push_back(std::string(controlName) + "." + std::string(propertyName));
}

void Form::NotifyAmbientChanged(std::string_view name) {
    for (Control* control : AllControls()) {
        control->OnAmbientChanged(name);
    }
}

void Form::NotifyVisibilityChanged() {
    for (Control* control : AllControls()) {
        control->OnVisibilityChanged();
    }
}

}  // namespace win::forms
