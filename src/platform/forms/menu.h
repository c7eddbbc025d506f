#pragma once

// A form's menu: a top-level Menu holds items, each an item Menu of its own with a caption
// ("-" makes a separator), Enabled, Visible, Checked and a Click event. A form never shows a menu
// bar; its menus open only as pop-ups (Form::PopupMenu, or ShowPopupMenu for a control). A pop-up
// is one level deep: an item's own items are not shown, the item is chosen like any other.
//
//     Menu Mnu_Traymenu{*this, "Mnu_Traymenu"};
//     Menu cmdAbout{Mnu_Traymenu, "cmdAbout"};

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/container.h"
#include "platform/forms/control.h"

namespace win::forms {

class Menu : public Control, public Container {
public:
    Menu(Container& container, std::string name);

    std::string Caption() const;
    void SetCaption(std::string caption);
    bool Checked() const;
    void SetChecked(bool checked);
    bool IsSeparator() const { return caption_ == "-"; }
    // The items directly under this menu, in declaration order.
    std::vector<Menu*> Items() const;

    std::function<void()> Click;

    Form& OwnerForm() override { return Owner(); }
    HWND ContainerHwnd() const override { return Parent().ContainerHwnd(); }

protected:
    void ResetProperties() override;
    bool HitTest(POINT) const override { return false; }
    void OnGeometryChanged() override {}

private:
    std::string caption_;
    bool checked_ = false;
};

// Shows the visible items of `menu` as a pop-up at `point` in `window`'s client coordinates
// (flags as TrackPopupMenu's: TPM_RIGHTALIGN puts the menu's right edge at the point,
// TPM_BOTTOMALIGN its bottom edge), returns when it closes, and then raises the chosen item's
// Click. Returns the chosen item; null when none was chosen or nothing could be shown.
Menu* ShowPopupMenu(Menu& menu, HWND window, POINT point, UINT flags);

}  // namespace win::forms
