#pragma once

#include <memory>

#include "platform/user/user_types.h"
#include "platform/user/window_slots.h"

namespace win::controls {

// The state of each window of one control class, made at WM_NCCREATE and dropped after
// WM_NCDESTROY. Kept on the window's record, not in the procedure, so a subclassing hook that
// calls the class procedure later still reaches the same state, and it goes with the window.
template <class State>
class ControlStateTable {
public:
    // Null when the window does not exist.
    State* Create(HWND window) {
        user::WindowSlots* slots = user::SlotsOf(window);
        return slots ? &slots->Put(std::make_unique<State>()) : nullptr;
    }
    // Null for a window that has none (created before the class existed, or gone).
    State* Find(HWND window) const {
        user::WindowSlots* slots = user::SlotsOf(window);
        return slots ? slots->Find<State>() : nullptr;
    }
    // The state is kept alive by the caller until it returns, even when erased here meanwhile.
    std::unique_ptr<State> Release(HWND window) {
        user::WindowSlots* slots = user::SlotsOf(window);
        return slots ? slots->Take<State>() : nullptr;
    }
};

}  // namespace win::controls
