#pragma once

// What a DC is: its surface, its selected objects, its text and position state, and its clip.
// The text drawing and the window manager work on this directly; programs use the handle API.
//
// Coordinate spaces: logical (what calls pass) + viewport origin = device; device + the DC's
// surface origin = surface (bitmap pixels). The program's clip is kept in device coordinates, the
// window manager's visible region in surface coordinates; their intersection with the surface
// bounds is the effective clip, in surface coordinates.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/internal/drawing_objects.h"
#include "platform/gdi/internal/pixel_bitmap.h"
#include "platform/gdi/internal/region_data.h"
#include "platform/gdi/win_types.h"

namespace win::gdi {

enum class DcKind { Memory, Display, Surface };

// A rectangle of 64-bit coordinates clamped to the range regions hold.
RECT ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

// The pixels a pattern fill from (x, y) covers. A negative extent mirrors the area about the
// starting pixel, which stays covered: (x, width -3) covers x - 2 .. x. PatBlt, FillRect and the
// middle of DrawEdge all cover their rectangles this way.
RECT PatternCoverage(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height);

class DeviceContext {
public:
    explicit DeviceContext(DcKind kind) : kind_(kind) {}

    // Null when the handle names no live DC.
    static DeviceContext* From(HDC dc);

    DcKind Kind() const { return kind_; }

    // ---- surface and selected objects (never null once the DC is in the table) ----
    PixelBitmap* Surface() const { return surface_; }
    HBITMAP SurfaceBitmap() const { return surfaceHandle_; }
    const PenObject& Pen() const { return *pen_; }
    const BrushObject& Brush() const { return *brush_; }
    const FontObject& Font() const { return *font_; }
    HPEN PenHandle() const { return penHandle_; }
    HBRUSH BrushHandle() const { return brushHandle_; }
    HFONT FontHandle() const { return fontHandle_; }

    // Only the selection code changes these; it keeps the table's selection counts.
    void AttachSurface(HBITMAP handle, PixelBitmap* surface);
    void AttachPen(HPEN handle, const PenObject* pen);
    void AttachBrush(HBRUSH handle, const BrushObject* brush);
    void AttachFont(HFONT handle, const FontObject* font);

    // ---- text and position state ----
    COLORREF TextColor() const { return textColor_; }
    void SetTextColor(COLORREF colour) { textColor_ = colour; }
    COLORREF BkColor() const { return bkColor_; }
    void SetBkColor(COLORREF colour) { bkColor_ = colour; }
    int BkMode() const { return bkMode_; }
    void SetBkMode(int mode) { bkMode_ = mode; }
    int StretchMode() const { return stretchMode_; }
    void SetStretchMode(int mode) { stretchMode_ = mode; }
    POINT CurrentPosition() const { return position_; }
    void SetCurrentPosition(POINT position) { position_ = position; }

    // ---- coordinates ----
    POINT ViewportOrigin() const { return viewportOrigin_; }
    void SetViewportOrigin(POINT origin) { viewportOrigin_ = origin; }
    POINT SurfaceOrigin() const { return surfaceOrigin_; }
    void SetSurfaceOrigin(POINT origin);
    // Logical to surface; 64-bit, since logical values may be anything a caller passes.
    std::int64_t SurfaceX(std::int64_t logicalX) const {
        return logicalX + viewportOrigin_.x + surfaceOrigin_.x;
    }
    std::int64_t SurfaceY(std::int64_t logicalY) const {
        return logicalY + viewportOrigin_.y + surfaceOrigin_.y;
    }
    // A logical rectangle in surface coordinates, clamped to a range that cannot overflow.
    RECT LogicalToSurface(const RECT& logical) const;

    // ---- clipping ----
    // In device coordinates; nullopt for none.
    const std::optional<Region>& ClipRegion() const { return clipRegion_; }
    void SetClipRegion(std::optional<Region> region);
    // In surface coordinates; nullopt for the whole surface.
    void SetVisibleRegion(std::optional<Region> region);
    const Region& EffectiveClip() const { return effectiveClip_; }
    bool IsClipped(int surfaceX, int surfaceY) const;

    // ---- drawing in surface coordinates, through the effective clip ----
    void FillSurfaceRect(const RECT& surfaceRect, std::uint32_t pixel);
    void InvertSurfaceRect(const RECT& surfaceRect, std::uint32_t mask);
    void SetSurfacePixel(int x, int y, std::uint32_t pixel);
    // Blends `colour` by coverage (0 keeps the pixel, 255 paints the colour) over
    // width × height pixels at the logical point; `coverage` has `width` bytes per row.
    void BlendCoverage(int logicalLeft, int logicalTop, int width, int height,
                       std::span<const std::uint8_t> coverage, COLORREF colour);
    void FillLogicalRect(const RECT& logical, COLORREF colour);

private:
    void RecomputeClip();

    DcKind kind_;
    PixelBitmap* surface_ = nullptr;
    HBITMAP surfaceHandle_;
    const PenObject* pen_ = nullptr;
    const BrushObject* brush_ = nullptr;
    const FontObject* font_ = nullptr;
    HPEN penHandle_;
    HBRUSH brushHandle_;
    HFONT fontHandle_;

    COLORREF textColor_ = RGB(0, 0, 0);
    COLORREF bkColor_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
    int stretchMode_ = BLACKONWHITE;
    POINT position_{};
    POINT viewportOrigin_{};
    POINT surfaceOrigin_{};

    std::optional<Region> clipRegion_;
    std::optional<Region> visibleRegion_;
    Region effectiveClip_;
};

}  // namespace win::gdi
