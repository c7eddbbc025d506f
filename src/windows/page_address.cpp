#include "windows/page_address.h"

namespace quellan {
namespace {

bool IsKeptAsItIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string FileAddress(const std::filesystem::path& file) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    const std::string path = std::filesystem::absolute(file).lexically_normal().native();
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsKeptAsItIs(byte)) {
            address += c;
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0x0F];
        }
    }
    return address;
}

std::string ShippedPageAddress(std::string_view page, const std::filesystem::path& executable) {
    const auto file = win::files::FindShippedData(page, executable);
    return file ? FileAddress(*file) : std::string("about:blank");
}

}  // namespace quellan
