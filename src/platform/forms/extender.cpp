#include "platform/forms/extender.h"

#include <utility>

#include "platform/controls/tooltip.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {

Extender::~Extender() {
    Detach();
}

const std::string& Extender::Name() const {
    return control_.Name();
}

void Extender::SetToolTipText(std::string text) {
    toolTipText_ = std::move(text);
    UpdateTip();
}

bool Extender::Default() const {
    return control_.Owner().DefaultButton() == &control_;
}

void Extender::SetDefault(bool isDefault) {
    Form& form = control_.Owner();
    if (isDefault) {
        form.SetDefaultButton(&control_);
    } else if (form.DefaultButton() == &control_) {
        form.SetDefaultButton(nullptr);
    }
}

bool Extender::Cancel() const {
    return control_.Owner().CancelButton() == &control_;
}

void Extender::SetCancel(bool isCancel) {
    Form& form = control_.Owner();
    if (isCancel) {
        form.SetCancelButton(&control_);
    } else if (form.CancelButton() == &control_) {
        form.SetCancelButton(nullptr);
    }
}

void Extender::Attach(HWND window) {
    window_ = window;
    UpdateTip();
}

void Extender::Detach() {
    // The tip is owned by the control's window; when that is going, the tip goes with it.
    if (IsWindow(tip_)) {
        DestroyWindow(tip_);
    }
    tip_ = nullptr;
    window_ = nullptr;
}

void Extender::UpdateTip() {
    if (!IsWindow(window_)) {
        return;
    }
    if (IsWindow(tip_)) {
        DestroyWindow(tip_);
    }
    tip_ = nullptr;
    if (toolTipText_.empty()) {
        return;
    }
    tip_ = CreateWindowEx(0, TOOLTIPS_CLASS, "", TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_);
    if (!tip_) {
        return;
    }
    TOOLINFO tool;
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = window_;
    tool.uId = static_cast<UINT_PTR>(window_.Value());
    GetClientRect(window_, &tool.rect);
    tool.lpszText = toolTipText_.c_str();
    SendMessage(tip_, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace win::forms
