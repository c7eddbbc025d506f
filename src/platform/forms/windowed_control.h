#pragma once

// The common part of the controls that wrap a standard window class: the window is made when
// the form loads, placed and shown from the control's properties, and forgotten when the form's
// window goes (its children go with it).

#include <string>
#include <string_view>

#include "platform/forms/control.h"
#include "platform/forms/gdi_object.h"
#include "platform/forms/std_font.h"
#include "platform/user/window_procedure.h"

namespace win::forms {

class WindowedControl : public Control {
public:
    WindowedControl(Container& container, std::string name);
    ~WindowedControl() override;
    WindowedControl(const WindowedControl&) = delete;
    WindowedControl& operator=(const WindowedControl&) = delete;

    HWND hWnd() const override;
    // Gives the control the keyboard focus.
    void SetFocus();

    const FontRef& Font() const;
    void SetFont(FontRef font);

protected:
    bool IsWindowless() const override { return false; }
    bool HitTest(POINT) const override { return false; }
    bool CanTakeFocus() const override;
    void CreateControlWindow(HWND parent, int id) override;
    void ReleaseControlWindow() override;
    void ResetFont();

    virtual std::string_view ClassName() const = 0;
    virtual DWORD Style() const = 0;
    virtual DWORD ExStyle() const { return 0; }
    virtual std::string InitialText() const { return {}; }
    // The window exists: push the rest of the properties into it.
    virtual void WindowCreated() {}

    // Messages of the control's window before its class sees them; true when handled.
    virtual bool PreviewMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        (void)message;
        (void)wParam;
        (void)lParam;
        return false;
    }

    // What the filter passes on: by default the window class's own procedure.
    virtual LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;

private:
    void ApplyFont();
    LRESULT KeyboardFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WindowProcedure filter_;
    WNDPROC classProcedure_;

    FontRef font_;
    FontSubscription fontSubscription_;
    GdiObject<HFONT> fontHandle_;
};

}  // namespace win::forms
