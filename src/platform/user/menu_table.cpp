#include "platform/user/menu_table.h"

#include "platform/user/session.h"

namespace win::user {

Menu* FindMenu(HMENU handle) {
    Session* session = Current();
    if (session == nullptr) {
        return nullptr;
    }
    auto found = session->menus.find(handle);
    return found == session->menus.end() ? nullptr : &found->second;
}

HMENU AddMenu() {
    Session* session = Current();
    if (session == nullptr) {
        return nullptr;
    }
    const HMENU handle = session->sequence.NextMenu();
    session->menus.emplace(handle, Menu{});
    return handle;
}

bool RemoveMenu(HMENU handle) {
    Session* session = Current();
    return session != nullptr && session->menus.erase(handle) > 0;
}

}  // namespace win::user
