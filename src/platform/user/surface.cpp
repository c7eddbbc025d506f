#include "platform/user/surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_access.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"

namespace win::user {

namespace {

HBITMAP CreateBackingBitmap(int width, int height) {
    return CreateBitmap(std::max(width, 0), std::max(height, 0), 1, 32, {});
}

}  // namespace

Surface::Surface(host::Host& host, int width, int height)
    : host_(host),
      bitmap_(CreateBackingBitmap(width, height)),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)) {}

Surface::~Surface() {
    if (HasNative()) {
        host_.DestroyNativeWindow(native_);
    }
    DeleteObject(bitmap_);
}

void Surface::OpenNative(const host::WindowSpec& request) {
    if (HasNative()) {
        host_.DestroyNativeWindow(native_);
    }
    request_ = request;
    native_ = host_.CreateNativeWindow(request);
    dirty_ = {0, 0, width_, height_};
    presented_.Forget();
}

void Surface::SetTopmost(bool topmost) {
    if (HasNative() && topmost != request_.topmost) {
        request_.topmost = topmost;
        host_.SetTopmost(native_, topmost);
    }
}

void Surface::SetSkipTaskbar(bool skip) {
    if (HasNative() && skip != request_.skipTaskbar) {
        request_.skipTaskbar = skip;
        host_.SetSkipTaskbar(native_, skip);
    }
}

void Surface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) {
        return;
    }
    const HBITMAP resized = CreateBackingBitmap(width, height);
    const auto from = gdi::ReadBitmapPixels(bitmap_);
    const auto to = gdi::WriteBitmapPixels(resized);
    if (from && to) {
        const int rows = std::min(from->height, to->height);
        const int columns = std::min(from->width, to->width);
        for (int y = 0; y < rows && columns > 0; ++y) {
            std::memcpy(to->pixels + static_cast<std::ptrdiff_t>(y) * to->stride,
                        from->pixels + static_cast<std::ptrdiff_t>(y) * from->stride,
                        static_cast<std::size_t>(columns) * sizeof(std::uint32_t));
        }
    }
    DeleteObject(bitmap_);
    bitmap_ = resized;
    width_ = width;
    height_ = height;
    // The host may hold a view of the old pixels: hand it the new ones whole.
    dirty_ = {0, 0, width_, height_};
    presented_.Forget();
}

void Surface::AddDirty(const RECT& rect) {
    const RECT clipped{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_),
                       std::min(rect.bottom, height_)};
    if (clipped.right <= clipped.left || clipped.bottom <= clipped.top) {
        return;
    }
    if (dirty_.right <= dirty_.left || dirty_.bottom <= dirty_.top) {
        dirty_ = clipped;
        return;
    }
    dirty_ = {std::min(dirty_.left, clipped.left), std::min(dirty_.top, clipped.top),
              std::max(dirty_.right, clipped.right), std::max(dirty_.bottom, clipped.bottom)};
}

void Surface::Present() {
    if (!HasNative() || dirty_.right <= dirty_.left || dirty_.bottom <= dirty_.top) {
        return;
    }
    const auto pixels = gdi::ReadBitmapPixels(bitmap_);
    if (!pixels) {
        return;
    }
    const RECT dirty = std::exchange(dirty_, {});
    const std::optional<RECT> changed = presented_.ChangedPart(*pixels, dirty);
    if (!changed) {
        return;
    }
    presented_.Remember(*pixels, *changed);
    host_.Present(native_, {pixels->pixels, pixels->width, pixels->height, pixels->stride},
                  {changed->left, changed->top, changed->right, changed->bottom});
}

}  // namespace win::user
