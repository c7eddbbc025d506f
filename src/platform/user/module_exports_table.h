#pragma once

#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/user/module_exports.h"

namespace win::user {

// The session's view of the stand-in libraries: which are loaded how often, and which entry
// points a test has withdrawn to see the program run without them.
class ModuleExports {
public:
    HMODULE Find(std::string_view moduleName) const;
    HMODULE Load(std::string_view moduleName);
    bool Free(HMODULE module);
    FARPROC Lookup(HMODULE module, std::string_view procName) const;

    // The entry point is gone until Restore; the library still loads.
    void Withdraw(std::string_view moduleName, std::string_view procName);
    void Restore(std::string_view moduleName, std::string_view procName);
    // How many loads of the library are not released yet (resident libraries count 0).
    int LoadCount(std::string_view moduleName) const;

private:
    std::unordered_map<std::string, int> loads_;
    std::set<std::string> withdrawn_;
};

}  // namespace win::user
