#pragma once

// The properties the form adds to a user control it holds: its name, the form's own tooltip
// for it (ToolTipText) and whether Enter or Escape press it (Default, Cancel).

#include <string>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"

namespace win::forms {

class Control;

class Extender {
public:
    explicit Extender(Control& control) : control_(control) {}
    ~Extender();
    Extender(const Extender&) = delete;
    Extender& operator=(const Extender&) = delete;

    const std::string& Name() const;
    const std::string& ToolTipText() const { return toolTipText_; }
    // Shown by a tooltip of the form's over the control; an empty text shows none.
    void SetToolTipText(std::string text);
    bool Default() const;
    void SetDefault(bool isDefault);
    bool Cancel() const;
    void SetCancel(bool isCancel);

    // The control's window came or is going; the tooltip follows it.
    void Attach(HWND window);
    void Detach();
    // Design values again.
    void Reset() { toolTipText_.clear(); }
    // The form's tooltip window, while there is one.
    HWND TipWindow() const { return tip_; }

private:
    void UpdateTip();

    Control& control_;
    std::string toolTipText_;
    HWND window_;
    HWND tip_;
};

}  // namespace win::forms
