// An arbitrary totals file: the text kept is one printable line and reads as a finite number.

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "meter/leading_number.h"
#include "windows/totals_file.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const std::filesystem::path& TotalsFile() {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("quellan-fuzz-totals-" + std::to_string(::getpid()) + ".dat");
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(TotalsFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string text = quellan::ReadTotalsText(TotalsFile());
    std::filesystem::remove(TotalsFile());
    if (!text.empty()) {
        Require(text.size() >= 2 && text.ends_with("\r\n"));
        for (std::size_t i = 0; i + 2 < text.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(text[i]);
            Require((c >= 0x20 && c <= 0x7e) || c == '\t' || c == '\n');
        }
    }
    Require(std::isfinite(quellan::LeadingNumber(text)));
    return 0;
}
