#pragma once

// Strong handle types for the objects of the drawing layer. A handle is a pointer-sized value
// that names one object for the whole run: its kind sits in the low bits and a slot generation in
// the high bits, so a handle kept after its object died never names a later object.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace win {

enum class GdiObjectKind : std::uint8_t {
    Dc = 1,
    Bitmap = 2,
    Pen = 3,
    Brush = 4,
    Font = 5,
    Region = 6,
};
inline constexpr int kGdiObjectKindCount = 6;
inline constexpr std::uintptr_t kGdiHandleKindMask = 0x7;

template <GdiObjectKind Kind>
class GdiHandle {
public:
    static constexpr GdiObjectKind kKind = Kind;

    constexpr GdiHandle() = default;
    constexpr GdiHandle(std::nullptr_t) {}
    // Rebuilds a handle from its stored value (a window property, say). A value of another kind
    // gives the null handle.
    static constexpr GdiHandle FromValue(std::uintptr_t value) {
        GdiHandle handle;
        if ((value & kGdiHandleKindMask) == static_cast<std::uintptr_t>(Kind)) {
            handle.value_ = value;
        }
        return handle;
    }

    constexpr std::uintptr_t Value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(GdiHandle, GdiHandle) = default;

private:
    std::uintptr_t value_ = 0;
};

using HDC = GdiHandle<GdiObjectKind::Dc>;
using HBITMAP = GdiHandle<GdiObjectKind::Bitmap>;
using HPEN = GdiHandle<GdiObjectKind::Pen>;
using HBRUSH = GdiHandle<GdiObjectKind::Brush>;
using HFONT = GdiHandle<GdiObjectKind::Font>;
using HRGN = GdiHandle<GdiObjectKind::Region>;

// Any kind of object. Converting back to a typed handle is checked: the wrong kind gives null.
class HGDIOBJ {
public:
    constexpr HGDIOBJ() = default;
    constexpr HGDIOBJ(std::nullptr_t) {}
    template <GdiObjectKind Kind>
    constexpr HGDIOBJ(GdiHandle<Kind> handle) : value_(handle.Value()) {}

    static constexpr HGDIOBJ FromValue(std::uintptr_t value) {
        HGDIOBJ handle;
        const auto kind = value & kGdiHandleKindMask;
        if (kind >= 1 && kind <= static_cast<std::uintptr_t>(kGdiObjectKindCount)) {
            handle.value_ = value;
        }
        return handle;
    }

    constexpr std::uintptr_t Value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    // Meaningful only for a non-null handle.
    constexpr GdiObjectKind Kind() const {
        return static_cast<GdiObjectKind>(value_ & kGdiHandleKindMask);
    }

    template <class Typed>
    constexpr Typed As() const {
        return Typed::FromValue(value_);
    }
    template <GdiObjectKind Kind>
    constexpr explicit operator GdiHandle<Kind>() const {
        return GdiHandle<Kind>::FromValue(value_);
    }

    friend constexpr bool operator==(HGDIOBJ, HGDIOBJ) = default;

private:
    std::uintptr_t value_ = 0;
};

}  // namespace win

template <win::GdiObjectKind Kind>
struct std::hash<win::GdiHandle<Kind>> {
    std::size_t operator()(win::GdiHandle<Kind> handle) const noexcept {
        return std::hash<std::uintptr_t>{}(handle.Value());
    }
};

template <>
struct std::hash<win::HGDIOBJ> {
    std::size_t operator()(win::HGDIOBJ handle) const noexcept {
        return std::hash<std::uintptr_t>{}(handle.Value());
    }
};
