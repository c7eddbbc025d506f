#pragma once

// A single-line text box ("Edit" with a sunken edge). Its text is the window's while the form
// is loaded.

#include <functional>
#include <string>

#include "platform/forms/windowed_control.h"

namespace win::forms {

class TextBox : public WindowedControl {
public:
    TextBox(Container& container, std::string name);

    std::string Text() const;
    void SetText(std::string text);
    bool Locked() const;
    void SetLocked(bool locked);

    std::function<void()> Change;

protected:
    void ResetProperties() override;
    std::string_view ClassName() const override { return "Edit"; }
    DWORD Style() const override;
    DWORD ExStyle() const override;
    std::string InitialText() const override { return text_; }
    void OnCommand(WORD code) override;

private:
    std::string text_;
    bool locked_ = false;
};

}  // namespace win::forms
