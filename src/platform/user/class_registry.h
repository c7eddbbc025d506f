#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/user/window_class.h"

namespace win::user {

struct WindowClass {
    WNDCLASS info;
    ATOM atom = 0;
    std::vector<std::byte> extraBytes;
    int liveWindows = 0;
};

// The registered classes, by lower-case name. Windows hold their class by shared pointer, so a
// class outlives its registration while windows of it exist.
class ClassRegistry {
public:
    ATOM Register(const WNDCLASS& windowClass);
    bool Unregister(std::string_view className);
    std::shared_ptr<WindowClass> Find(std::string_view className) const;
    bool Empty() const { return classes_.empty(); }

private:
    std::unordered_map<std::string, std::shared_ptr<WindowClass>> classes_;
    ATOM nextAtom_ = 0xC000;
};

std::string LowerCase(std::string_view text);

}  // namespace win::user
