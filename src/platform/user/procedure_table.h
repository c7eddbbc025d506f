#pragma once

#include <map>
#include <memory>
#include <unordered_map>

#include "platform/user/window_procedure.h"

namespace win::user {

using SharedProcedure = std::shared_ptr<const WindowProcedureFunction>;

// The procedures the attached session can call by value. Values look like addresses (never
// small numbers) and come from the session's handle sequence, so none is handed out twice.
class ProcedureTable {
public:
    WNDPROC Add(LONG_PTR value, SharedProcedure function);
    WNDPROC Find(WNDPROC::Function function) const;
    void Remember(WNDPROC::Function function, WNDPROC procedure);
    void Remove(WNDPROC procedure) { procedures_.erase(procedure.ToLongPtr()); }
    SharedProcedure Find(WNDPROC procedure) const;
    bool Empty() const { return procedures_.empty(); }

private:
    std::unordered_map<LONG_PTR, SharedProcedure> procedures_;
    std::map<WNDPROC::Function, WNDPROC> functions_;
};

}  // namespace win::user
