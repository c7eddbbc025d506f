#include "platform/user/visual_styles.h"

#include <algorithm>
#include <string>

#include "platform/gdi/device_access.h"
#include "platform/gdi/gdi.h"
#include "platform/host/host.h"
#include "platform/user/session.h"
#include "platform/user/window_lifetime.h"

namespace win {

namespace {

host::Theme* HostTheme() {
    user::Session* session = user::Current();
    return session == nullptr ? nullptr : session->Host().GetTheme();
}

host::Theme* ThemeOf(HTHEME theme) {
    user::Session* session = user::Current();
    return session != nullptr && session->openThemes.contains(theme.Value()) ? HostTheme()
                                                                             : nullptr;
}

bool NamesPushButton(std::string_view classList) {
    while (!classList.empty()) {
        const std::size_t end = std::min(classList.find(';'), classList.size());
        std::string_view name = classList.substr(0, end);
        while (!name.empty() && name.front() == ' ') {
            name.remove_prefix(1);
        }
        while (!name.empty() && name.back() == ' ') {
            name.remove_suffix(1);
        }
        if (user::LowerCase(name) == "button") {
            return true;
        }
        classList.remove_prefix(std::min(end + 1, classList.size()));
    }
    return false;
}

std::optional<host::PushButtonState> PushButtonStateOf(int partId, int stateId) {
    if (partId != BP_PUSHBUTTON) {
        return std::nullopt;
    }
    switch (stateId) {
        case PBS_NORMAL:
            return host::PushButtonState::Normal;
        case PBS_HOT:
            return host::PushButtonState::Hot;
        case PBS_PRESSED:
            return host::PushButtonState::Pressed;
        case PBS_DISABLED:
            return host::PushButtonState::Disabled;
        case PBS_DEFAULTED:
            return host::PushButtonState::Default;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool IsAppThemed() {
    return HostTheme() != nullptr;
}

HTHEME OpenThemeData(HWND hwnd, std::string_view classList) {
    if (HostTheme() == nullptr || !IsWindow(hwnd) || !NamesPushButton(classList)) {
        return nullptr;
    }
    user::Session* session = user::Current();
    const LONG_PTR value = session->sequence.NextTheme();
    session->openThemes.insert(value);
    return HTHEME::FromValue(value);
}

HRESULT CloseThemeData(HTHEME theme) {
    user::Session* session = user::Current();
    return session != nullptr && session->openThemes.erase(theme.Value()) == 1 ? S_OK
                                                                               : E_INVALIDARG;
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC, int partId, int stateId, const RECT* rect,
                                 HRGN* region) {
    host::Theme* hostTheme = ThemeOf(theme);
    const auto state = PushButtonStateOf(partId, stateId);
    if (hostTheme == nullptr || !state || rect == nullptr || region == nullptr) {
        return E_INVALIDARG;
    }
    const host::Size size{rect->right - rect->left, rect->bottom - rect->top};
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    if (size.width > 0 && size.height > 0) {
        for (const host::Span& span : hostTheme->PushButtonShape(size, *state)) {
            const HRGN run = CreateRectRgn(rect->left + span.left, rect->top + span.y,
                                           rect->left + span.right, rect->top + span.y + 1);
            CombineRgn(shape, shape, run, RGN_OR);
            DeleteObject(run);
        }
    }
    *region = shape;
    return S_OK;
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                            const RECT* clip) {
    host::Theme* hostTheme = ThemeOf(theme);
    const auto state = PushButtonStateOf(partId, stateId);
    if (hostTheme == nullptr || !state || rect == nullptr) {
        return E_INVALIDARG;
    }
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    RECT visible = *rect;
    if (clip != nullptr && !IntersectRect(&visible, rect, clip)) {
        return S_OK;
    }
    if (width <= 0 || height <= 0) {
        return S_OK;
    }
    // The panel is painted over a copy of what is there, so its translucent edges blend with it.
    const HDC block = CreateCompatibleDC(dc);
    const HBITMAP blockBitmap = CreateCompatibleBitmap(dc, width, height);
    const HBITMAP previous = SelectObject(block, blockBitmap);
    BitBlt(block, 0, 0, width, height, dc, rect->left, rect->top, SRCCOPY);
    if (const auto pixels = gdi::WriteBitmapPixels(blockBitmap)) {
        hostTheme->DrawPushButton(
            host::PixelTarget{pixels->pixels, pixels->width, pixels->height, pixels->stride},
            host::Rect{0, 0, width, height}, *state);
    }
    BitBlt(dc, visible.left, visible.top, visible.right - visible.left,
           visible.bottom - visible.top, block, visible.left - rect->left, visible.top - rect->top,
           SRCCOPY);
    SelectObject(block, previous);
    DeleteObject(blockBitmap);
    DeleteDC(block);
    return S_OK;
}

}  // namespace win
