#pragma once

// The web browser control: shows a page at its place on the form. Navigate returns at once and
// the page loads on its own. The page goes with the form's window; a new load shows none until
// asked again. Where the desktop shows no web pages, the control is a white area.

#include <optional>
#include <string>

#include "platform/forms/windowed_control.h"
#include "platform/host/host.h"

namespace win::forms {

class WebBrowser : public WindowedControl {
public:
    WebBrowser(Container& container, std::string name);
    ~WebBrowser() override;

    void Navigate(std::string url);
    // The address last asked for; empty before the first.
    const std::string& LocationURL() const { return address_; }
    // Whether the desktop shows the page (false where it has no web view).
    bool HasView() const { return view_.has_value(); }
    // The desktop's view showing the page, while there is one.
    std::optional<host::WebViewId> View() const { return view_; }

protected:
    void ResetProperties() override;
    std::string_view ClassName() const override;
    DWORD Style() const override { return 0; }
    bool CanTakeFocus() const override { return false; }
    void CreateControlWindow(HWND parent, int id) override;
    void WindowCreated() override;
    void ReleaseControlWindow() override;
    void OnGeometryChanged() override;
    void OnVisibilityChanged() override;

private:
    void EndView();

    std::string address_;
    std::optional<host::WebViewId> view_;
};

}  // namespace win::forms
