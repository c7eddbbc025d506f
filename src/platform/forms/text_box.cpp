#include "platform/forms/text_box.h"

#include "platform/controls/edit.h"
#include "platform/user/user.h"

namespace win::forms {

TextBox::TextBox(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {
    ResetProperties();
}

void TextBox::ResetProperties() {
    text_.clear();
    locked_ = false;
    ResetFont();
}

DWORD TextBox::Style() const {
    return ES_LEFT | ES_AUTOHSCROLL | (locked_ ? ES_READONLY : 0);
}

DWORD TextBox::ExStyle() const {
    return WS_EX_CLIENTEDGE;
}

std::string TextBox::Text() const {
    Touch();
    return window_ ? GetWindowText(window_) : text_;
}

void TextBox::SetText(std::string text) {
    Touch();
    text_ = std::move(text);
    if (window_) {
        SetWindowText(window_, text_);
    }
}

bool TextBox::Locked() const {
    Touch();
    return locked_;
}

void TextBox::SetLocked(bool locked) {
    Touch();
    locked_ = locked;
    if (window_) {
        SendMessage(window_, EM_SETREADONLY, locked ? 1 : 0, 0);
    }
}

void TextBox::OnCommand(WORD code) {
    if (code == EN_CHANGE) {
        RaiseEvent(Change);
    }
}

}  // namespace win::forms
