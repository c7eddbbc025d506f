#include "platform/forms/command_button.h"

#include "platform/controls/button.h"
#include "platform/forms/access_key.h"
#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {

CommandButton::CommandButton(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {
    ResetProperties();
}

void CommandButton::ResetProperties() {
    caption_ = Name();
    default_ = false;
    cancel_ = false;
    ResetFont();
}

DWORD CommandButton::Style() const {
    return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

std::string CommandButton::Caption() const {
    Touch();
    return caption_;
}

void CommandButton::SetCaption(std::string caption) {
    Touch();
    caption_ = std::move(caption);
    if (window_) {
        SetWindowText(window_, caption_);
    }
}

bool CommandButton::Default() const {
    Touch();
    return default_;
}

void CommandButton::SetDefault(bool isDefault) {
    Touch();
    default_ = isDefault;
    if (isDefault) {
        Owner().SetDefaultButton(this);
    } else if (Owner().DefaultButton() == this) {
        Owner().SetDefaultButton(nullptr);
    }
    if (window_) {
        SendMessage(window_, BM_SETSTYLE, Style(), 1);
    }
}

bool CommandButton::Cancel() const {
    Touch();
    return cancel_;
}

void CommandButton::SetCancel(bool isCancel) {
    Touch();
    cancel_ = isCancel;
    if (isCancel) {
        Owner().SetCancelButton(this);
    } else if (Owner().CancelButton() == this) {
        Owner().SetCancelButton(nullptr);
    }
}

void CommandButton::PerformClick() {
    Touch();
    if (geometry_.enabled) {
        RaiseEvent(Click);
    }
}

void CommandButton::OnCommand(WORD code) {
    if (code == BN_CLICKED) {
        RaiseEvent(Click);
    }
}

}  // namespace win::forms

namespace win::forms {

char CommandButton::AccessKey() const {
    return AccessKeyOf(caption_);
}

void CommandButton::OnAccessKey(char) {
    SetFocus();
    PerformClick();
}

}  // namespace win::forms
