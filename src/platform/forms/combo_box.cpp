#include "platform/forms/combo_box.h"

#include "platform/controls/combo_box.h"
#include "platform/user/user.h"

namespace win::forms {

ComboBox::ComboBox(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {
    ResetProperties();
}

void ComboBox::ResetProperties() {
    items_.clear();
    listIndex_ = -1;
    style_ = ComboStyle::DropdownCombo;
    backColor_ = vbWindowBackground;
    ResetFont();
}

DWORD ComboBox::Style() const {
    return style_ == ComboStyle::DropdownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
}

void ComboBox::WindowCreated() {
    for (const std::string& item : items_) {
        SendMessage(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessage(window_, CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
}

void ComboBox::SyncFromWindow() const {
    if (!window_) {
        return;
    }
    const LRESULT count = SendMessage(window_, CB_GETCOUNT, 0, 0);
    // A window that does not keep a list (or lost it) does not overrule ours.
    if (count != static_cast<LRESULT>(items_.size())) {
        return;
    }
    const LRESULT selection = SendMessage(window_, CB_GETCURSEL, 0, 0);
    if (selection >= -1 && selection < count) {
        listIndex_ = static_cast<int>(selection);
    }
}

void ComboBox::AddItem(std::string item) {
    Touch();
    items_.push_back(std::move(item));
    if (window_) {
        SendMessage(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_.back().c_str()));
    }
}

void ComboBox::Clear() {
    Touch();
    items_.clear();
    listIndex_ = -1;
    if (window_) {
        SendMessage(window_, CB_RESETCONTENT, 0, 0);
    }
}

int ComboBox::ListCount() const {
    Touch();
    return static_cast<int>(items_.size());
}

std::string ComboBox::List(int index) const {
    Touch();
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        return {};
    }
    return items_[static_cast<std::size_t>(index)];
}

int ComboBox::ListIndex() const {
    Touch();
    SyncFromWindow();
    return listIndex_;
}

void ComboBox::SetListIndex(int index) {
    Touch();
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        return;
    }
    const bool changed = index != ListIndex();
    listIndex_ = index;
    if (window_) {
        SendMessage(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    if (changed) {
        RaiseEvent(Click);
    }
}

ComboStyle ComboBox::ListStyle() const {
    Touch();
    return style_;
}

void ComboBox::SetListStyle(ComboStyle style) {
    Touch();
    style_ = style;
}

OLE_COLOR ComboBox::BackColor() const {
    Touch();
    return backColor_;
}

void ComboBox::SetBackColor(OLE_COLOR colour) {
    Touch();
    backColor_ = colour;
    if (window_) {
        InvalidateRect(window_, nullptr, true);
    }
}

void ComboBox::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE) {
        SyncFromWindow();
        RaiseEvent(Click);
    }
}

}  // namespace win::forms
