#pragma once

// The window procedure that stands in front of one subclassed window: it calls the owner for
// the messages in its before table, then the replaced procedure unless a before call handled
// the message, then the owner for the messages in its after table. The table keeps it current
// through the Patch calls, as it would patch a stub's constants.

#include <memory>
#include <vector>

#include "button/subclass_owner.h"
#include "platform/user/user_types.h"
#include "platform/user/window_procedure.h"

namespace quellan {

class SubclassThunk {
public:
    SubclassThunk(SubclassOwner& owner, win::WNDPROC previous);

    // The value that goes into the window's procedure slot.
    win::WNDPROC Procedure() const { return procedure_.Get(); }
    win::WNDPROC Previous() const;

    // count -1: every message; 0: none; otherwise the first count entries of the table.
    void PatchBefore(const std::vector<win::UINT>& table, int count);
    void PatchAfter(const std::vector<win::UINT>& table, int count);

    // For an emptied procedure that another hook still forwards to: it stays in the chain,
    // passing every message straight on, until its window is destroyed.
    static void KeepUntilDestroyed(std::unique_ptr<SubclassThunk> thunk);

private:
    struct Patched;
    static win::LRESULT Run(const std::shared_ptr<Patched>& patched, win::HWND window,
                            win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    // Shared with the procedure, so a message still inside it when the window is unsubclassed
    // finishes on what it started with.
    std::shared_ptr<Patched> patched_;
    win::WindowProcedure procedure_;
};

}  // namespace quellan
