#pragma once

// Something controls are placed in: a form, or a frame on it. It keeps its controls in the order
// they were declared, paints its windowless ones and finds the one under a click.

#include <vector>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::forms {

class Control;
class Form;

class Container {
public:
    virtual ~Container() = default;

    virtual Form& OwnerForm() = 0;
    // The window its controls are children of; null while not loaded.
    virtual HWND ContainerHwnd() const = 0;
    const std::vector<Control*>& Controls() const { return controls_; }

protected:
    friend class Control;
    void Add(Control* control) { controls_.push_back(control); }
    void Remove(Control* control);

    void PaintWindowlessControls(HDC dc, const RECT& area);
    // The windowless control on top at the point (client pixels), or null.
    Control* WindowlessAt(POINT point) const;
    // Mouse handling of the windowless controls: a click is a press and a release on one control.
    void WindowlessMouseDown(POINT point);
    void WindowlessMouseUp(POINT point);

private:
    std::vector<Control*> controls_;
    Control* pressed_ = nullptr;
};

}  // namespace win::forms
