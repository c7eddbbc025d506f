#pragma once

// Who a subclassed window's procedure calls for its registered messages. The button implements
// it with its public Subclass_WndProc; a registration names when it is called.

#include <cstdint>

#include "platform/user/user_types.h"

namespace quellan {

// Timing of a registration; both bits may be given.
inline constexpr std::int32_t WhenAfter = 1;
inline constexpr std::int32_t WhenBefore = 2;

// A registration for this message number takes every message.
inline constexpr win::UINT kEveryMessage = static_cast<win::UINT>(-1);

class SubclassOwner {
public:
    // bBefore: called before the previous procedure (true) or after it (false). Setting
    // bHandled in a before call keeps the previous procedure and every after call from running;
    // lReturn is what the window procedure returns. The other arguments are the message's own.
    virtual void Subclass_WndProc(bool bBefore, bool& bHandled, win::LRESULT& lReturn,
                                  win::HWND& lHwnd, win::UINT& uMsg, win::WPARAM& wParam,
                                  win::LPARAM& lParam) = 0;

protected:
    ~SubclassOwner() = default;
};

}  // namespace quellan
