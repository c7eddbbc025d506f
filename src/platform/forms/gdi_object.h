#pragma once

// Owns one drawing object and deletes it when it goes, so no path through a paint leaks one.

#include <utility>

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/gdi_objects.h"

namespace win::forms {

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, Handle())) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Handle()));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return static_cast<bool>(handle_); }
    void Reset(Handle handle = Handle()) {
        if (handle_) {
            Delete(handle_);
        }
        handle_ = handle;
    }

private:
    static void Delete(HDC dc) { DeleteDC(dc); }
    template <class Other>
    static void Delete(Other object) {
        DeleteObject(object);
    }
    Handle handle_;
};

// A memory DC with one object selected for its lifetime; the previous one goes back at the end.
class SelectedBitmap {
public:
    explicit SelectedBitmap(HBITMAP bitmap)
        : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_.Get(), bitmap)) {}
    ~SelectedBitmap() {
        if (previous_) {
            SelectObject(dc_.Get(), previous_);
        }
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;

    HDC Dc() const { return dc_.Get(); }
    bool Ok() const { return static_cast<bool>(previous_); }

private:
    GdiObject<HDC> dc_;
    HBITMAP previous_;
};

}  // namespace win::forms
