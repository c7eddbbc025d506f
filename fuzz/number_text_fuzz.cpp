// The leading-number reading of arbitrary text, and number-to-text of arbitrary doubles: the
// reading is always finite, and the text written reads back to the value it stands for.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "meter/leading_number.h"
#include "meter/number_to_text.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckRoundTrip(double value) {
    std::string text = quellan::NumberToText(value);
    double read = quellan::LeadingNumber(text);
    Require(std::isfinite(read));
    // Written again, the value read gives the same text: the file keeps what it was given.
    Require(quellan::NumberToText(read) == text);
    if (std::isfinite(value)) {
        // Fifteen significant digits: within half a unit of the fifteenth.
        Require(std::fabs(read - value) <= std::fabs(value) * 1e-14);
    } else {
        Require(read == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    double read = quellan::LeadingNumber(text);
    Require(std::isfinite(read));
    CheckRoundTrip(read);
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        CheckRoundTrip(bits);
    }
    return 0;
}
