#pragma once

#include <optional>

#include "platform/controls/list_entries.h"
#include "platform/controls/list_scroll.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"

namespace win::controls {

struct ComboBoxState {
    ListEntries entries;
    HFONT font;
    bool focused = false;
    // The open list's popup window; null while closed.
    HWND list;
    std::optional<ListScroll> scroll;
    int itemHeight = 16;

    bool IsOpen() const { return static_cast<bool>(list); }
};

ComboBoxState* FindComboBox(HWND combo);

// Opening and closing the list. Closing with `choose` takes the highlighted entry.
void OpenComboList(HWND combo, ComboBoxState& state);
void CloseComboList(HWND combo, ComboBoxState& state, bool choose);

// The picture of the closed face and of the open list.
void PaintComboFace(HWND combo, const ComboBoxState& state, HDC dc);
void PaintComboList(HWND list, HWND combo, const ComboBoxState& state, HDC dc);
// The width of the scroll bar the open list shows when it scrolls (0 when it does not).
int ComboListScrollBarWidth(const ComboBoxState& state);
// The font's line height plus a pixel above and below.
int ComboItemHeight(HWND combo, HFONT font);

bool RegisterComboListClass();

}  // namespace win::controls
