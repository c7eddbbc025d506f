#include "platform/user/class_registry.h"

#include <algorithm>
#include <cctype>

namespace win::user {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

ATOM ClassRegistry::Register(const WNDCLASS& windowClass) {
    const std::string key = LowerCase(windowClass.lpszClassName);
    if (key.empty() || classes_.contains(key) || windowClass.cbClsExtra < 0 ||
        windowClass.cbWndExtra < 0) {
        return 0;
    }
    auto entry = std::make_shared<WindowClass>();
    entry->info = windowClass;
    entry->atom = nextAtom_++;
    entry->extraBytes.resize(static_cast<std::size_t>(windowClass.cbClsExtra));
    classes_.emplace(key, entry);
    return entry->atom;
}

bool ClassRegistry::Unregister(std::string_view className) {
    auto found = classes_.find(LowerCase(className));
    if (found == classes_.end() || found->second->liveWindows > 0) {
        return false;
    }
    classes_.erase(found);
    return true;
}

std::shared_ptr<WindowClass> ClassRegistry::Find(std::string_view className) const {
    auto found = classes_.find(LowerCase(className));
    return found == classes_.end() ? nullptr : found->second;
}

}  // namespace win::user
