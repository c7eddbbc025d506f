#pragma once

#include <memory>
#include <unordered_map>

#include "platform/user/user_types.h"

namespace win::controls {

// The state of each window of one control class, made at WM_NCCREATE and dropped after
// WM_NCDESTROY. Kept by handle, not in the procedure, so a subclassing hook that calls the class
// procedure later still reaches the same state.
template <class State>
class ControlStateTable {
public:
    State& Create(HWND window) {
        auto& slot = states_[window];
        slot = std::make_unique<State>();
        return *slot;
    }
    // Null for a window that has none (created before the class existed, or gone).
    State* Find(HWND window) const {
        const auto found = states_.find(window);
        return found == states_.end() ? nullptr : found->second.get();
    }
    // The state is kept alive by the caller until it returns, even when erased here meanwhile.
    std::unique_ptr<State> Release(HWND window) {
        const auto found = states_.find(window);
        if (found == states_.end()) {
            return nullptr;
        }
        auto state = std::move(found->second);
        states_.erase(found);
        return state;
    }

private:
    std::unordered_map<HWND, std::unique_ptr<State>> states_;
};

}  // namespace win::controls
