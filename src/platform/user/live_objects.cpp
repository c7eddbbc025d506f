#include "platform/user/live_objects.h"

#include "platform/user/session.h"
#include "platform/user/window.h"

namespace win {

UserLiveObjects UserLiveObjectCounts() {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return {};
    }
    UserLiveObjects counts;
    for (HWND handle : session->AllWindows()) {
        ++counts.windows;
        if (const user::Window* window = session->Get(handle)) {
            counts.properties += static_cast<int>(window->properties.size());
        }
    }
    counts.timers = static_cast<int>(session->timers.Count());
    return counts;
}

}  // namespace win
