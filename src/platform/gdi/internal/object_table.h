#pragma once

// The one table of drawing objects. A handle's value holds its kind (bits 0-2), its slot
// (bits 3-26) and the slot's generation (bits 27-63); a slot's generation grows each time the slot
// is reused, so a value is never handed out twice in a run.
//
// Like the user interface it serves, the table is used from one thread only.

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/internal/drawing_objects.h"
#include "platform/gdi/internal/pixel_bitmap.h"

namespace win::gdi {

template <class T>
struct KindOf;
template <>
struct KindOf<DeviceContext> : std::integral_constant<GdiObjectKind, GdiObjectKind::Dc> {};
template <>
struct KindOf<PixelBitmap> : std::integral_constant<GdiObjectKind, GdiObjectKind::Bitmap> {};
template <>
struct KindOf<PenObject> : std::integral_constant<GdiObjectKind, GdiObjectKind::Pen> {};
template <>
struct KindOf<BrushObject> : std::integral_constant<GdiObjectKind, GdiObjectKind::Brush> {};
template <>
struct KindOf<FontObject> : std::integral_constant<GdiObjectKind, GdiObjectKind::Font> {};
template <>
struct KindOf<RegionObject> : std::integral_constant<GdiObjectKind, GdiObjectKind::Region> {};

class ObjectTable {
public:
    static ObjectTable& Instance() { return instance_; }

    template <class T>
    GdiHandle<KindOf<T>::value> Add(T object, bool stock = false) {
        Slot* slot = nullptr;
        const std::uintptr_t value = Claim(KindOf<T>::value, stock, slot);
        if (slot != nullptr) {
            slot->object.template emplace<T>(std::move(object));
        }
        return GdiHandle<KindOf<T>::value>::FromValue(value);
    }

    // The object a live handle names; null for a handle of another kind, a dead one, or one whose
    // deletion is pending (the program may no longer use it).
    template <class T>
    T* Find(GdiHandle<KindOf<T>::value> handle) {
        Slot* slot = LiveSlot(handle.Value());
        return slot != nullptr ? std::get_if<T>(&slot->object) : nullptr;
    }

    bool IsStock(HGDIOBJ object) const;
    // False for an invalid handle. Stock objects stay; selected ones go when released.
    bool Delete(HGDIOBJ object);

    // Selection bookkeeping: an object retained by a DC outlives its deletion until released.
    // Retain/Release take any handle the DC holds, including pending ones.
    void Retain(HGDIOBJ object);
    void Release(HGDIOBJ object);
    int SelectionCount(HGDIOBJ object) const;

    GdiObjectCounts Counts() const { return counts_; }

private:
    using Object = std::variant<std::monostate, DeviceContext, PixelBitmap, PenObject, BrushObject,
                                FontObject, RegionObject>;
    struct Slot {
        std::uint64_t generation = 0;
        GdiObjectKind kind = GdiObjectKind::Dc;
        bool stock = false;
        bool deletePending = false;
        int selections = 0;
        Object object;
    };

    // A fresh slot for an object of the kind (0 and no slot when the table is full).
    std::uintptr_t Claim(GdiObjectKind kind, bool stock, Slot*& slot);
    Slot* SlotOf(std::uintptr_t value);
    const Slot* SlotOf(std::uintptr_t value) const;
    Slot* LiveSlot(std::uintptr_t value);
    void Free(std::uint32_t index);
    void Count(GdiObjectKind kind, int delta);

    // Fixed-size chunks: objects never move while DCs point at them, and indexing stays cheap.
    static constexpr int kChunkBits = 8;
    static constexpr std::uint32_t kChunkSize = 1u << kChunkBits;
    Slot& At(std::uint32_t index) const {
        return chunks_[index >> kChunkBits][index & (kChunkSize - 1)];
    }

    static ObjectTable instance_;

    std::vector<std::unique_ptr<Slot[]>> chunks_;
    std::uint32_t slotCount_ = 0;
    std::vector<std::uint32_t> freeSlots_;
    GdiObjectCounts counts_;
};

}  // namespace win::gdi
