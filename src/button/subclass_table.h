#pragma once

// The windows a button has subclassed, one entry each, and the messages it wants from each.
//
// The button keeps one SubclassTable (constructed with itself as the owner) and, at load in run
// mode, installs it with InstallMessageHook (subclass_hook.h); its destruction calls
// UnsubclassAll. Every window stays subclassed until then.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "button/subclass_owner.h"
#include "button/subclass_thunk.h"
#include "platform/user/user_types.h"

namespace quellan {

struct SubclassEntry {
    // Null marks a free entry.
    win::HWND window;
    std::unique_ptr<SubclassThunk> thunk;
    win::WNDPROC previous;
    // -1: every message.
    int afterCount = 0;
    int beforeCount = 0;
    // Message numbers; 0 is an emptied entry that a later registration reuses.
    std::vector<win::UINT> afterTable;
    std::vector<win::UINT> beforeTable;
};

class SubclassTable {
public:
    explicit SubclassTable(SubclassOwner& owner) : owner_(owner) {}
    // Puts back every window still subclassed.
    ~SubclassTable();
    SubclassTable(const SubclassTable&) = delete;
    SubclassTable& operator=(const SubclassTable&) = delete;

    // The entry's index; none when there is no such window.
    std::optional<int> SubclassWindow(win::HWND window);
    // when: WhenBefore, WhenAfter or both. False when the window has no entry.
    bool AddMessage(win::HWND window, win::UINT message, std::int32_t when);
    // The replaced procedure goes back; a message reaching the old procedure after this goes
    // straight to it. False when the window has no entry.
    bool UnsubclassWindow(win::HWND window);
    void UnsubclassAll();

    const std::vector<SubclassEntry>& Entries() const { return entries_; }

private:
    std::optional<std::size_t> EntryOf(win::HWND window) const;

    SubclassOwner& owner_;
    std::vector<SubclassEntry> entries_;
    // Procedures of unsubclassed windows stay callable, emptied, for as long as the table lives:
    // another hook may still hold one as the procedure it forwards to.
    std::vector<std::unique_ptr<SubclassThunk>> retired_;
};

}  // namespace quellan
