#pragma once

// A combo box ("ComboBox"): a list of texts and the chosen one, −1 when none is chosen. The list
// is the window's while the form is loaded.

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/windowed_control.h"
#include "platform/gdi/sys_color.h"

namespace win::forms {

enum class ComboStyle { DropdownCombo = 0, DropdownList = 2 };

class ComboBox : public WindowedControl {
public:
    ComboBox(Container& container, std::string name);

    void AddItem(std::string item);
    void Clear();
    int ListCount() const;
    // The entry at `index`; empty for an index outside the list.
    std::string List(int index) const;
    int ListIndex() const;
    // −1 clears the choice; an index outside the list is refused and changes nothing.
    void SetListIndex(int index);
    ComboStyle ListStyle() const;
    void SetListStyle(ComboStyle style);
    OLE_COLOR BackColor() const;
    void SetBackColor(OLE_COLOR colour);

    std::function<void()> Click;

protected:
    void ResetProperties() override;
    std::string_view ClassName() const override { return "ComboBox"; }
    DWORD Style() const override;
    void WindowCreated() override;
    void OnCommand(WORD code) override;

private:
    // The window's choice when it has one, so a choice made by the user counts.
    void SyncFromWindow() const;

    std::vector<std::string> items_;
    mutable int listIndex_ = -1;
    ComboStyle style_ = ComboStyle::DropdownCombo;
    OLE_COLOR backColor_ = vbWindowBackground;
};

}  // namespace win::forms
