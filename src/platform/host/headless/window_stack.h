#pragma once

#include <functional>
#include <vector>

#include "platform/host/host.h"

namespace win::host::headless {

// Stacking order of the native windows, bottom first, in three bands: ordinary windows, topmost
// windows, popups.
class WindowStack {
public:
    enum class Band { Normal, Topmost, Popup };

    void Add(WindowId window, Band band);
    void Remove(WindowId window);
    // To the top of its band.
    void Raise(WindowId window);
    void MoveToBand(WindowId window, Band band);

    const std::vector<WindowId>& BottomToTop() const { return order_; }
    // The topmost window for which `accepts` says yes.
    WindowId FindFromTop(const std::function<bool(WindowId)>& accepts) const;

private:
    struct Entry {
        WindowId window;
        Band band;
    };
    void Insert(Entry entry);
    void Rebuild();

    std::vector<Entry> entries_;
    std::vector<WindowId> order_;
};

}  // namespace win::host::headless
