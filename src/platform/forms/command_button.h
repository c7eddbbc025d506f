#pragma once

// A push button ("Button"): Caption and Click. Default and Cancel make it the one Enter and
// Escape press on its form.

#include <functional>
#include <string>

#include "platform/forms/windowed_control.h"

namespace win::forms {

class CommandButton : public WindowedControl {
public:
    CommandButton(Container& container, std::string name);

    std::string Caption() const;
    void SetCaption(std::string caption);
    bool Default() const;
    void SetDefault(bool isDefault);
    bool Cancel() const;
    void SetCancel(bool isCancel);

    // Raises Click as a press of the button would.
    void PerformClick();

    std::function<void()> Click;

protected:
    void ResetProperties() override;
    std::string_view ClassName() const override { return "Button"; }
    DWORD Style() const override;
    std::string InitialText() const override { return caption_; }
    void OnCommand(WORD code) override;
    char AccessKey() const override;
    void OnAccessKey(char key) override;
    void OnDefaultKey(char) override { PerformClick(); }

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace win::forms
