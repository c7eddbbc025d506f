#include "platform/user/window_property_list.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/user/session.h"

namespace win {

int EnumProps(HWND hWnd, const PROPENUMPROC& lpEnumFunc) {
    user::Session* session = user::Current();
    const user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr || window->properties.empty()) {
        return -1;
    }
    // A copy, so the callback may change the list.
    const std::vector<std::pair<std::string, LONG_PTR>> properties = window->properties;
    bool answer = true;
    for (const auto& [name, value] : properties) {
        answer = lpEnumFunc(hWnd, name, value);
        if (!answer) {
            break;
        }
    }
    return answer ? 1 : 0;
}

}  // namespace win
