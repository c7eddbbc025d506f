#include "platform/user/window_icon.h"

#include <cstring>

#include "platform/gdi/device_access.h"
#include "platform/user/session.h"
#include "platform/user/surface.h"
#include "platform/user/window_messages.h"

namespace win::user {

namespace {

bool IsSlot(WPARAM slot) {
    return slot == ICON_SMALL || slot == ICON_BIG;
}

IconPicture CopyPicture(LPARAM bitmap) {
    const auto pixels =
        gdi::ReadBitmapPixels(HBITMAP::FromValue(static_cast<std::uintptr_t>(bitmap)));
    if (!pixels || pixels->width <= 0 || pixels->height <= 0) {
        return {};
    }
    IconPicture picture{pixels->width, pixels->height, {}};
    picture.pixels.resize(static_cast<std::size_t>(pixels->width) * pixels->height);
    for (int y = 0; y < pixels->height; ++y) {
        std::memcpy(picture.pixels.data() + static_cast<std::ptrdiff_t>(y) * pixels->width,
                    pixels->pixels + static_cast<std::ptrdiff_t>(y) * pixels->stride,
                    static_cast<std::size_t>(pixels->width) * sizeof(std::uint32_t));
    }
    return picture;
}

const IconPicture* DesktopPicture(const Window& window) {
    for (WPARAM slot : {ICON_BIG, ICON_SMALL}) {
        if (!window.icons[slot].picture.IsEmpty()) {
            return &window.icons[slot].picture;
        }
    }
    return nullptr;
}

}  // namespace

LRESULT SetWindowIcon(Session& session, Window& window, WPARAM slot, LPARAM bitmap) {
    if (!IsSlot(slot)) {
        return 0;
    }
    IconSlot& stored = window.icons[slot];
    const LRESULT previous = stored.value;
    stored.value = bitmap;
    stored.picture = bitmap != 0 ? CopyPicture(bitmap) : IconPicture{};
    ShowIconOnDesktop(session, window);
    return previous;
}

LRESULT GetWindowIcon(const Window& window, WPARAM slot) {
    return IsSlot(slot) ? window.icons[slot].value : 0;
}

void ShowIconOnDesktop(Session& session, const Window& window) {
    if (window.IsChild() || !window.surface || !window.surface->HasNative()) {
        return;
    }
    // The desktop has no way to take an icon away; an emptied slot leaves the last one shown.
    if (const IconPicture* picture = DesktopPicture(window)) {
        session.Host().SetIcon(window.surface->Native(), picture->View());
    }
}

}  // namespace win::user
