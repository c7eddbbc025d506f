#include "platform/forms/menu.h"

#include <utility>

#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {

Menu::Menu(Container& container, std::string name) : Control(container, std::move(name)) {
    ResetProperties();
}

void Menu::ResetProperties() {
    caption_.clear();
    checked_ = false;
    geometry_.tabStop = false;
}

std::string Menu::Caption() const {
    Touch();
    return caption_;
}

void Menu::SetCaption(std::string caption) {
    Touch();
    caption_ = std::move(caption);
}

bool Menu::Checked() const {
    Touch();
    return checked_;
}

void Menu::SetChecked(bool checked) {
    Touch();
    checked_ = checked;
}

std::vector<Menu*> Menu::Items() const {
    std::vector<Menu*> items;
    for (Control* control : Controls()) {
        if (auto* item = dynamic_cast<Menu*>(control)) {
            items.push_back(item);
        }
    }
    return items;
}

namespace {

// The pop-up's own menu, gone when the pop-up has closed.
class PopupHandle {
public:
    PopupHandle() : menu_(CreatePopupMenu()) {}
    ~PopupHandle() { DestroyMenu(menu_); }
    PopupHandle(const PopupHandle&) = delete;
    PopupHandle& operator=(const PopupHandle&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

UINT ItemFlags(const Menu& item) {
    if (item.IsSeparator()) {
        return MF_SEPARATOR;
    }
    UINT flags = MF_STRING;
    if (!item.Enabled()) {
        flags |= MF_GRAYED;
    }
    if (item.Checked()) {
        flags |= MF_CHECKED;
    }
    return flags;
}

// Commands are the items' positions plus one, so 0 stays "nothing chosen".
std::vector<Menu*> AppendVisibleItems(const Menu& menu, HMENU popup) {
    std::vector<Menu*> shown;
    for (Menu* item : menu.Items()) {
        if (!item->Visible()) {
            continue;
        }
        shown.push_back(item);
        AppendMenu(popup, ItemFlags(*item), shown.size(),
                   item->IsSeparator() ? "" : item->Caption());
    }
    return shown;
}

}  // namespace

Menu* ShowPopupMenu(Menu& menu, HWND window, POINT point, UINT flags) {
    Form& form = menu.Owner();
    const HWND formWindow = form.hWnd();
    if (!IsWindow(window) || !formWindow) {
        return nullptr;
    }
    PopupHandle popup;
    const std::vector<Menu*> shown = AppendVisibleItems(menu, popup.Get());
    ClientToScreen(window, &point);
    const int command = TrackPopupMenu(popup.Get(), (flags & ~TPM_NONOTIFY) | TPM_RETURNCMD,
                                       point.x, point.y, 0, window);
    if (command <= 0 || static_cast<std::size_t>(command) > shown.size()) {
        return nullptr;
    }
    // A choice on a form that was unloaded (or loaded afresh) meanwhile belongs to no one.
    if (form.ContainerHwnd() != formWindow) {
        return nullptr;
    }
    Menu* chosen = shown[static_cast<std::size_t>(command) - 1];
    RaiseEvent(chosen->Click);
    return chosen;
}

}  // namespace win::forms
