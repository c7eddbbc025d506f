#pragma once

#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win::controls {

struct PushButtonLook {
    bool pressed = false;
    bool focused = false;
    // The default frame: a default push button, or the one holding the focus.
    bool isDefault = false;
    bool enabled = true;
};

// The classic 3-D push button in the system colours, caption centred with its "&" access key
// underlined. Creates nothing it does not release.
void PaintPushButton(HDC dc, const RECT& bounds, const PushButtonLook& look,
                     std::string_view caption, HFONT font);

}  // namespace win::controls
