#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/host/host.h"
#include "platform/user/presented_pixels.h"

namespace win::user {

// A top-level window's backing store: a bitmap the size of the window's content that every
// window of the tree draws into, and the native window the host shows it in. What was drawn
// stays there until drawn over; only the dirty part that changed is handed to the host.
//
// The native window comes later than the bitmap: a window's creation handlers may still change
// the styles that decide what kind of native window it needs.
class Surface {
public:
    Surface(host::Host& host, int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    bool HasNative() const { return native_ != host::WindowId::None; }
    host::WindowId Native() const { return native_; }
    // What the native window was made as, kept up to date for topmost and taskbar changes.
    const host::WindowSpec& NativeRequest() const { return request_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Makes the native window, replacing any there was; it gets the whole bitmap at the next
    // Present.
    void OpenNative(const host::WindowSpec& request);
    void SetTopmost(bool topmost);
    void SetSkipTaskbar(bool skip);

    // Keeps the pixels where old and new sizes overlap.
    void Resize(int width, int height);
    // Bitmap coordinates; clipped to the bitmap.
    void AddDirty(const RECT& rect);
    // Hands the host the dirty rows whose pixels differ from what it was last given.
    void Present();

private:
    host::Host& host_;
    host::WindowId native_ = host::WindowId::None;
    host::WindowSpec request_;
    HBITMAP bitmap_;
    int width_ = 0;
    int height_ = 0;
    RECT dirty_{};
    PresentedPixels presented_;
};

}  // namespace win::user
