#pragma once

// Putting objects into a DC and taking them out again, keeping the table's selection counts so
// that deferred deletions finish when the last DC lets go.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/internal/device_context_state.h"

namespace win::gdi {

// A fresh DC's pen, brush and font (and, for a memory DC, the 1 × 1 stock bitmap).
void SelectDefaults(DeviceContext& dc);
// Lets go of everything the DC holds, before the DC is deleted.
void ReleaseSelection(DeviceContext& dc);

// Each returns the previous object, or null when the new one cannot be selected.
HBITMAP SelectBitmap(DeviceContext& dc, HBITMAP bitmap);
HPEN SelectPen(DeviceContext& dc, HPEN pen);
HBRUSH SelectBrush(DeviceContext& dc, HBRUSH brush);
HFONT SelectFont(DeviceContext& dc, HFONT font);
// Attaches a window's backing bitmap to a surface DC.
bool AttachTarget(DeviceContext& dc, HBITMAP target);

}  // namespace win::gdi
