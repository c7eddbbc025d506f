#pragma once

#include <cstdint>
#include <optional>

#include "platform/controls/edit_layout.h"
#include "platform/controls/edit_text.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"

namespace win::controls {

// The space between the client edge and the text, on the left and the right and above it.
inline constexpr int kEditMargin = 1;

struct EditState {
    EditText text;
    HFONT font;
    // The widths of the current text, kept until the text, the font or the text engine changes.
    std::optional<LineMeasure> measure;
    std::uint64_t measuredWithEngine = 0;
    int scroll = 0;
    bool focused = false;
    bool caretShown = false;
    bool mouseSelecting = false;
};

// The widths of the state's text, measured again when they are out of date.
const LineMeasure& MeasureOf(EditState& state);
bool IsReadOnly(HWND edit);

// The picture of the line: background, text, selection and caret at the current scroll.
void PaintEdit(HWND edit, EditState& state, HDC dc);

}  // namespace win::controls
