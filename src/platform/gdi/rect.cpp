#include "platform/gdi/rect.h"

#include <algorithm>
#include <cstdint>

namespace win {

namespace {

bool IsEmptyRect(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// Offsets saturate rather than wrap, so hostile values cannot turn a rectangle inside out.
LONG SaturatingAdd(LONG value, std::int64_t delta) {
    const auto sum = static_cast<std::int64_t>(value) + delta;
    return static_cast<LONG>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace

bool SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) {
        return false;
    }
    *rect = RECT{left, top, right, bottom};
    return true;
}

bool SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

bool CopyRect(RECT* destination, const RECT* source) {
    if (destination == nullptr || source == nullptr) {
        return false;
    }
    *destination = *source;
    return true;
}

bool OffsetRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr) {
        return false;
    }
    rect->left = SaturatingAdd(rect->left, dx);
    rect->right = SaturatingAdd(rect->right, dx);
    rect->top = SaturatingAdd(rect->top, dy);
    rect->bottom = SaturatingAdd(rect->bottom, dy);
    return true;
}

bool InflateRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr) {
        return false;
    }
    rect->left = SaturatingAdd(rect->left, -std::int64_t{dx});
    rect->right = SaturatingAdd(rect->right, dx);
    rect->top = SaturatingAdd(rect->top, -std::int64_t{dy});
    rect->bottom = SaturatingAdd(rect->bottom, dy);
    return true;
}

bool IntersectRect(RECT* destination, const RECT* first, const RECT* second) {
    if (destination == nullptr || first == nullptr || second == nullptr) {
        return false;
    }
    const RECT overlap{std::max(first->left, second->left), std::max(first->top, second->top),
                       std::min(first->right, second->right),
                       std::min(first->bottom, second->bottom)};
    if (IsEmptyRect(overlap)) {
        *destination = RECT{};
        return false;
    }
    *destination = overlap;
    return true;
}

bool UnionRect(RECT* destination, const RECT* first, const RECT* second) {
    if (destination == nullptr || first == nullptr || second == nullptr) {
        return false;
    }
    const bool firstEmpty = IsEmptyRect(*first);
    const bool secondEmpty = IsEmptyRect(*second);
    if (firstEmpty && secondEmpty) {
        *destination = RECT{};
        return false;
    }
    if (firstEmpty || secondEmpty) {
        *destination = firstEmpty ? *second : *first;
        return true;
    }
    *destination =
        RECT{std::min(first->left, second->left), std::min(first->top, second->top),
             std::max(first->right, second->right), std::max(first->bottom, second->bottom)};
    return true;
}

bool PtInRect(const RECT* rect, POINT point) {
    return rect != nullptr && point.x >= rect->left && point.x < rect->right &&
           point.y >= rect->top && point.y < rect->bottom;
}

bool IsRectEmpty(const RECT* rect) {
    return rect == nullptr || IsEmptyRect(*rect);
}

bool EqualRect(const RECT* first, const RECT* second) {
    return first != nullptr && second != nullptr && *first == *second;
}

}  // namespace win
