#include "button/subclass_thunk.h"

#include <algorithm>

#include "platform/user/user.h"

namespace quellan {

using namespace win;

struct SubclassThunk::Patched {
    SubclassOwner* owner;
    WNDPROC previous;
    std::vector<UINT> beforeTable;
    int beforeCount = 0;
    std::vector<UINT> afterTable;
    int afterCount = 0;
    bool kept = false;
};

namespace {

bool Registered(const std::vector<UINT>& table, int count, UINT message) {
    if (count < 0) {
        return true;
    }
    const auto searched = std::min(static_cast<std::size_t>(count), table.size());
    return std::find(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(searched),
                     message) != table.begin() + static_cast<std::ptrdiff_t>(searched);
}

std::vector<std::unique_ptr<SubclassThunk>>& KeptThunks() {
    static std::vector<std::unique_ptr<SubclassThunk>> kept;
    return kept;
}

}  // namespace

SubclassThunk::SubclassThunk(SubclassOwner& owner, WNDPROC previous)
    : patched_(std::make_shared<Patched>(Patched{&owner, previous, {}, 0, {}, 0})),
      procedure_([patched = patched_](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
          return Run(patched, window, message, wParam, lParam);
      }) {}

WNDPROC SubclassThunk::Previous() const {
    return patched_->previous;
}

void SubclassThunk::PatchBefore(const std::vector<UINT>& table, int count) {
    patched_->beforeTable = table;
    patched_->beforeCount = count;
}

void SubclassThunk::PatchAfter(const std::vector<UINT>& table, int count) {
    patched_->afterTable = table;
    patched_->afterCount = count;
}

void SubclassThunk::KeepUntilDestroyed(std::unique_ptr<SubclassThunk> thunk) {
    thunk->patched_->kept = true;
    KeptThunks().push_back(std::move(thunk));
}

LRESULT SubclassThunk::Run(const std::shared_ptr<Patched>& patched, HWND window, UINT message,
                           WPARAM wParam, LPARAM lParam) {
    LRESULT lReturn = 0;
    bool bHandled = false;
    // The counts are read afresh at each step: an owner call may have unsubclassed the window,
    // which empties them and leaves only the previous procedure to run.
    if (Registered(patched->beforeTable, patched->beforeCount, message)) {
        patched->owner->Subclass_WndProc(true, bHandled, lReturn, window, message, wParam, lParam);
    }
    if (bHandled) {
        return lReturn;
    }
    lReturn = CallWindowProc(patched->previous, window, message, wParam, lParam);
    if (message == WM_NCDESTROY && patched->kept) {
        // The call running now finishes on its own copy of what it needs.
        std::erase_if(KeptThunks(), [&](const std::unique_ptr<SubclassThunk>& thunk) {
            return thunk->patched_ == patched;
        });
        return lReturn;
    }
    if (Registered(patched->afterTable, patched->afterCount, message)) {
        patched->owner->Subclass_WndProc(false, bHandled, lReturn, window, message, wParam, lParam);
    }
    return lReturn;
}

}  // namespace quellan
