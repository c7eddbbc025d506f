#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/class_registry.h"
#include "platform/user/user_types.h"
#include "platform/user/window_icon.h"
#include "platform/user/window_procedure.h"
#include "platform/user/window_slots.h"

namespace win::user {

class Surface;

// Everything the window manager keeps for one window.
struct Window {
    HWND handle;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC procedure;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<std::byte> extraBytes;

    // In the parent's client coordinates; screen coordinates for a top-level window.
    RECT rect;
    // The client area in window coordinates.
    RECT client;
    // Window coordinates; owned by the window, deleted with it.
    HRGN region;

    HWND parent;
    HWND owner;
    // Stacking order of the children, topmost first.
    std::vector<HWND> children;
    std::vector<std::pair<std::string, LONG_PTR>> properties;
    WindowIcons icons;

    // Client coordinates; null when nothing is invalid.
    HRGN updateRegion;
    bool eraseNeeded = false;
    bool frameNeeded = false;
    bool paintStarted = false;

    bool destroying = false;
    bool destroyed = false;

    // Top-level windows only: the backing store and its native window.
    std::unique_ptr<Surface> surface;

    WindowSlots slots;

    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    bool IsChild() const;
    bool IsVisible() const;
    bool IsEnabled() const;
};

}  // namespace win::user
