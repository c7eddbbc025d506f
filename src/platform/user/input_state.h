#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::user {

struct InputState {
    HWND focus;
    HWND active;
    HWND capture;
    // The window under the cursor at the last mouse event, for leave tracking.
    HWND mouseOver;
    // Windows with a pending TME_LEAVE request; each gets one WM_MOUSELEAVE.
    std::vector<HWND> leaveTracked;
    // Windows with a pending TME_HOVER request: WM_MOUSEHOVER once the cursor rests on them.
    struct HoverRequest {
        HWND window;
        DWORD hoverTime = 0;
        std::int64_t due = 0;
    };
    std::vector<HoverRequest> hoverTracked;
    // GetKeyState bytes: kKeyDown and kKeyToggled.
    static constexpr std::uint8_t kKeyDown = 0x80;
    static constexpr std::uint8_t kKeyToggled = 0x01;
    std::array<std::uint8_t, 256> keys{};
    POINT cursor;
    HCURSOR cursorShape;
};

}  // namespace win::user
