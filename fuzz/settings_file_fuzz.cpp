// An arbitrary settings file, looked up with section and key names taken from the input.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/forms/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // "<section>\0<key>\0<file>", any part possibly missing.
    std::size_t first = input.find('\0');
    std::string_view section = input.substr(0, first);
    std::string_view rest = first == std::string_view::npos ? "" : input.substr(first + 1);
    std::size_t second = rest.find('\0');
    std::string_view key = rest.substr(0, second);
    std::string_view file = second == std::string_view::npos ? input : rest.substr(second + 1);

    win::FindIniValue(file, section, key);
    win::FindIniValue(file, "Connection", "Index");
    return 0;
}
