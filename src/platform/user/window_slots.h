#pragma once

#include <memory>
#include <typeindex>
#include <unordered_map>

#include "platform/user/user_types.h"

namespace win::user {

// What the layers above keep for one window (a control's state, the form it belongs to, a watch
// on it): one object per type, made by its keeper and freed after WM_NCDESTROY at the latest.
class WindowSlots {
public:
    template <class T>
    T* Find() const {
        const auto found = slots_.find(typeid(T));
        return found == slots_.end() ? nullptr : static_cast<T*>(found->second.get());
    }

    template <class T>
    T& Put(std::unique_ptr<T> value) {
        T& stored = *value;
        slots_.insert_or_assign(typeid(T), Owned(value.release(), &Delete<T>));
        return stored;
    }

    // Null when there is none.
    template <class T>
    std::unique_ptr<T> Take() {
        const auto found = slots_.find(typeid(T));
        if (found == slots_.end()) {
            return nullptr;
        }
        std::unique_ptr<T> value(static_cast<T*>(found->second.release()));
        slots_.erase(found);
        return value;
    }

    // Each value leaves the table before it is freed, so a destructor that looks here again
    // finds it gone.
    void Clear() {
        while (!slots_.empty()) {
            auto first = slots_.begin();
            Owned value = std::move(first->second);
            slots_.erase(first);
        }
    }

    bool Empty() const { return slots_.empty(); }

private:
    using Owned = std::unique_ptr<void, void (*)(void*)>;

    template <class T>
    static void Delete(void* value) {
        delete static_cast<T*>(value);
    }

    std::unordered_map<std::type_index, Owned> slots_;
};

// The slots of a window that exists and has not yet been freed; null otherwise.
WindowSlots* SlotsOf(HWND window);

}  // namespace win::user
