#include "platform/user/procedure_table.h"

#include <utility>

namespace win::user {

WNDPROC ProcedureTable::Add(LONG_PTR value, SharedProcedure function) {
    procedures_.emplace(value, std::move(function));
    return WNDPROC::FromLongPtr(value);
}

WNDPROC ProcedureTable::Find(WNDPROC::Function function) const {
    auto found = functions_.find(function);
    return found == functions_.end() ? WNDPROC() : found->second;
}

void ProcedureTable::Remember(WNDPROC::Function function, WNDPROC procedure) {
    functions_.emplace(function, procedure);
}

SharedProcedure ProcedureTable::Find(WNDPROC procedure) const {
    auto found = procedures_.find(procedure.ToLongPtr());
    return found == procedures_.end() ? nullptr : found->second;
}

}  // namespace win::user
