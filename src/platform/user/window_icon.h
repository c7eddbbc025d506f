#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/host/host.h"
#include "platform/user/user_types.h"

namespace win::user {

class Session;
struct Window;

// The pixels of an icon bitmap as they were when it was set: the caller keeps the bitmap and
// may delete it at any time after.
struct IconPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return pixels.empty(); }
    host::PixelView View() const { return {pixels.data(), width, height, width}; }
};

// What WM_SETICON stored in one slot.
struct IconSlot {
    LONG_PTR value = 0;
    IconPicture picture;
};

// ICON_SMALL and ICON_BIG.
using WindowIcons = std::array<IconSlot, 2>;

// WM_SETICON: keeps `bitmap` in `slot` and returns the slot's previous value.
LRESULT SetWindowIcon(Session& session, Window& window, WPARAM slot, LPARAM bitmap);
// WM_GETICON.
LRESULT GetWindowIcon(const Window& window, WPARAM slot);
// Hands the window's picture (the big one if there is one) to its native window.
void ShowIconOnDesktop(Session& session, const Window& window);

}  // namespace win::user
