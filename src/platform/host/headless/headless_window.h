#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/host/host.h"

namespace win::host::headless {

// What the headless desktop knows of one native window: what it was asked to be and the pixels
// last presented to it.
struct HeadlessWindow {
    WindowId id = WindowId::None;
    WindowSpec request;
    bool visible = false;
    bool minimized = false;
    // std::nullopt: the whole content rectangle.
    std::optional<std::vector<Span>> shape;
    CursorShape cursor = CursorShape::Arrow;
    std::vector<std::uint32_t> icon;
    Size iconSize;
    // Content-sized copy of everything presented so far, rows top-down.
    std::vector<std::uint32_t> pixels;
    int presentCount = 0;
    Rect lastDirty;

    Size ContentSize() const { return {request.content.Width(), request.content.Height()}; }
    // Shown and not minimised: on the screen, where the pointer can reach it.
    bool OnScreen() const { return visible && !minimized; }
    bool ContainsScreenPoint(Point screen) const;
    std::uint32_t PixelAt(int x, int y) const;
    // Keeps what was presented where the old and new content overlap.
    void ResizeContent(Rect content);
    void CopyPresented(PixelView from, Rect dirty);
};

}  // namespace win::host::headless
