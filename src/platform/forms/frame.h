#pragma once

// A frame ("Frame"): a container on its form. Controls inside it are placed in its coordinates;
// it paints its windowless controls over its own drawing and passes its children's
// notifications on to the form.

#include <string>

#include "platform/forms/container.h"
#include "platform/forms/windowed_control.h"
#include "platform/user/window_procedure.h"
#include "platform/user/window_styles.h"

namespace win::forms {

class Frame : public WindowedControl, public Container {
public:
    Frame(Container& container, std::string name);
    ~Frame() override;

    std::string Caption() const;
    void SetCaption(std::string caption);

    Form& OwnerForm() override { return Owner(); }
    HWND ContainerHwnd() const override { return window_; }

protected:
    void ResetProperties() override;
    std::string_view ClassName() const override { return "Frame"; }
    DWORD Style() const override { return WS_CLIPCHILDREN; }
    std::string InitialText() const override { return caption_; }
    bool CanTakeFocus() const override { return false; }
    void WindowCreated() override;
    void ReleaseControlWindow() override;

private:
    LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string caption_;
    WindowProcedure procedure_;
    WNDPROC previous_;
};

}  // namespace win::forms
