#include "platform/gdi/internal/object_table.h"

namespace win::gdi {

namespace {

constexpr int kKindBits = 3;
constexpr int kSlotBits = 24;
constexpr std::uintptr_t kSlotMask = (std::uintptr_t{1} << kSlotBits) - 1;

static_assert(sizeof(std::uintptr_t) == 8, "handle values need 64 bits");

std::uintptr_t Encode(GdiObjectKind kind, std::uint32_t slot, std::uint64_t generation) {
    return (static_cast<std::uintptr_t>(generation) << (kKindBits + kSlotBits)) |
           (static_cast<std::uintptr_t>(slot) << kKindBits) | static_cast<std::uintptr_t>(kind);
}

std::uint32_t SlotIndex(std::uintptr_t value) {
    return static_cast<std::uint32_t>((value >> kKindBits) & kSlotMask);
}

std::uint64_t Generation(std::uintptr_t value) {
    return value >> (kKindBits + kSlotBits);
}

}  // namespace

constinit ObjectTable ObjectTable::instance_;

std::uintptr_t ObjectTable::Claim(GdiObjectKind kind, bool stock, Slot*& claimed) {
    std::uint32_t index = 0;
    if (!freeSlots_.empty()) {
        index = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        if (slotCount_ > kSlotMask) {
            return 0;
        }
        index = slotCount_++;
        if ((index >> kChunkBits) >= chunks_.size()) {
            chunks_.push_back(std::make_unique<Slot[]>(kChunkSize));
        }
    }
    Slot& slot = At(index);
    ++slot.generation;  // starts at 1, so no value is ever 0
    slot.kind = kind;
    slot.stock = stock;
    slot.deletePending = false;
    slot.selections = 0;
    if (!stock) {
        Count(kind, +1);
    }
    claimed = &slot;
    return Encode(kind, index, slot.generation);
}

ObjectTable::Slot* ObjectTable::SlotOf(std::uintptr_t value) {
    return const_cast<Slot*>(static_cast<const ObjectTable*>(this)->SlotOf(value));
}

const ObjectTable::Slot* ObjectTable::SlotOf(std::uintptr_t value) const {
    if (value == 0) {
        return nullptr;
    }
    const std::uint32_t index = SlotIndex(value);
    if (index >= slotCount_) {
        return nullptr;
    }
    const Slot& slot = At(index);
    if (slot.generation != Generation(value) ||
        static_cast<std::uintptr_t>(slot.kind) != (value & kGdiHandleKindMask) ||
        std::holds_alternative<std::monostate>(slot.object)) {
        return nullptr;
    }
    return &slot;
}

ObjectTable::Slot* ObjectTable::LiveSlot(std::uintptr_t value) {
    Slot* slot = SlotOf(value);
    return slot != nullptr && !slot->deletePending ? slot : nullptr;
}

bool ObjectTable::IsStock(HGDIOBJ object) const {
    const Slot* slot = SlotOf(object.Value());
    return slot != nullptr && slot->stock;
}

bool ObjectTable::Delete(HGDIOBJ object) {
    Slot* slot = LiveSlot(object.Value());
    if (slot == nullptr) {
        return false;
    }
    if (slot->stock) {
        return true;
    }
    if (slot->selections > 0) {
        slot->deletePending = true;
        return true;
    }
    Free(SlotIndex(object.Value()));
    return true;
}

void ObjectTable::Retain(HGDIOBJ object) {
    if (Slot* slot = SlotOf(object.Value())) {
        ++slot->selections;
    }
}

void ObjectTable::Release(HGDIOBJ object) {
    Slot* slot = SlotOf(object.Value());
    if (slot == nullptr || slot->selections == 0) {
        return;
    }
    --slot->selections;
    if (slot->selections == 0 && slot->deletePending) {
        Free(SlotIndex(object.Value()));
    }
}

int ObjectTable::SelectionCount(HGDIOBJ object) const {
    const Slot* slot = SlotOf(object.Value());
    return slot != nullptr ? slot->selections : 0;
}

void ObjectTable::Free(std::uint32_t index) {
    Slot& slot = At(index);
    slot.object.emplace<std::monostate>();
    if (!slot.stock) {
        Count(slot.kind, -1);
    }
    slot.deletePending = false;
    slot.selections = 0;
    freeSlots_.push_back(index);
}

void ObjectTable::Count(GdiObjectKind kind, int delta) {
    switch (kind) {
        case GdiObjectKind::Dc:
            counts_.dcs += delta;
            break;
        case GdiObjectKind::Bitmap:
            counts_.bitmaps += delta;
            break;
        case GdiObjectKind::Pen:
            counts_.pens += delta;
            break;
        case GdiObjectKind::Brush:
            counts_.brushes += delta;
            break;
        case GdiObjectKind::Font:
            counts_.fonts += delta;
            break;
        case GdiObjectKind::Region:
            counts_.regions += delta;
            break;
    }
}

}  // namespace win::gdi
