#include "platform/controls/control_support.h"

#include <cstring>

#include "platform/gdi/brush.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_color.h"
#include "platform/gdi/text/utf8.h"
#include "platform/user/messaging.h"
#include "platform/user/window_data.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace win::controls {

HFONT FontOrDefault(HFONT font) {
    if (font && GetObjectType(font) == OBJ_FONT) {
        return font;
    }
    return GetStockObject(DEFAULT_GUI_FONT).As<HFONT>();
}

void NotifyParent(HWND control, WORD code) {
    const HWND parent = GetParent(control);
    if (!parent) {
        return;
    }
    const auto id = static_cast<int>(GetWindowLongPtr(control, GWLP_ID));
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, code), control.Value());
}

std::string TextFromLParam(LPARAM text) {
    if (text == 0) {
        return {};
    }
    const char* chars = reinterpret_cast<const char*>(text);
    return text::EncodeUtf8(text::DecodeUtf8(std::string_view(chars, std::strlen(chars))));
}

LRESULT CopyTextOut(std::string_view text, WPARAM capacity, LPARAM buffer) {
    if (buffer == 0 || capacity == 0) {
        return 0;
    }
    std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
    // Back off to a character boundary: never leave half a sequence in the buffer.
    while (count > 0 && count < text.size() &&
           (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) {
        --count;
    }
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

POINT PointFromLParam(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool IsInside(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

HBRUSH BackgroundBrush(HWND control, HDC dc, UINT ctlColorMessage, int defaultBackground,
                       int defaultText) {
    SetTextColor(dc, GetSysColor(defaultText));
    SetBkColor(dc, GetSysColor(defaultBackground));
    const HWND parent = GetParent(control);
    if (parent) {
        const LRESULT answer =
            SendMessage(parent, ctlColorMessage, static_cast<WPARAM>(dc.Value()), control.Value());
        const auto brush = HBRUSH::FromValue(static_cast<std::uintptr_t>(answer));
        if (brush && GetObjectType(brush) == OBJ_BRUSH) {
            return brush;
        }
        SetTextColor(dc, GetSysColor(defaultText));
        SetBkColor(dc, GetSysColor(defaultBackground));
    }
    return GetSysColorBrush(defaultBackground);
}

}  // namespace win::controls
