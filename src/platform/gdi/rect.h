#pragma once

// The rectangle helpers. Like their namesakes they return false (and leave an empty result where
// they produce one) instead of failing loudly; a null pointer is refused.

#include "platform/gdi/win_types.h"

namespace win {

bool SetRect(RECT* rect, int left, int top, int right, int bottom);
bool SetRectEmpty(RECT* rect);
bool CopyRect(RECT* destination, const RECT* source);
bool OffsetRect(RECT* rect, int dx, int dy);
bool InflateRect(RECT* rect, int dx, int dy);
// False, with an empty destination, when the two do not overlap.
bool IntersectRect(RECT* destination, const RECT* first, const RECT* second);
// An empty operand is ignored; false when both are empty.
bool UnionRect(RECT* destination, const RECT* first, const RECT* second);
bool PtInRect(const RECT* rect, POINT point);
bool IsRectEmpty(const RECT* rect);
bool EqualRect(const RECT* first, const RECT* second);

}  // namespace win
