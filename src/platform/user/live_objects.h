#pragma once

// What the window manager holds on the program's behalf right now, for checks that a long run
// gives back everything it takes.

#include "platform/user/user_types.h"

namespace win {

struct UserLiveObjects {
    int windows = 0;
    int timers = 0;
    int properties = 0;  // SetProp entries over all windows

    bool operator==(const UserLiveObjects&) const = default;
};

// All zero when no host is attached.
UserLiveObjects UserLiveObjectCounts();

}  // namespace win
