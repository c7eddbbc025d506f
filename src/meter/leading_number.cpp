#include "meter/leading_number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace quellan {
namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text once, dropping the skipped characters, and keeps the longest prefix that forms
// a number in the form from_chars accepts.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    std::string Scan() {
        if (Peek() == '+' || Peek() == '-') {
            if (Take() == '-') {
                number_ += '-';
            }
        }
        bool hasDigits = TakeDigits();
        if (Peek() == '.') {
            number_ += Take();
            hasDigits = TakeDigits() || hasDigits;
        }
        if (!hasDigits) {
            return {};
        }
        TakeExponent();
        return number_;
    }

private:
    char Peek() {
        while (position_ < text_.size() && IsSkipped(text_[position_])) {
            ++position_;
        }
        return position_ < text_.size() ? text_[position_] : '\0';
    }

    char Take() { return text_[position_++]; }

    bool TakeDigits() {
        bool any = false;
        while (IsDigit(Peek())) {
            number_ += Take();
            any = true;
        }
        return any;
    }

    // An "e" without digits after it is not part of the number.
    void TakeExponent() {
        if (Peek() != 'e' && Peek() != 'E') {
            return;
        }
        std::size_t mantissaLength = number_.size();
        std::size_t resumeAt = position_;
        number_ += Take();
        if (Peek() == '+' || Peek() == '-') {
            number_ += Take();
        }
        if (!TakeDigits()) {
            number_.resize(mantissaLength);
            position_ = resumeAt;
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::string number_;
};

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string number = NumberScanner(text).Scan();
    if (number.empty()) {
        return 0.0;
    }
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc{} || !std::isfinite(value)) {
        return 0.0;  // beyond the range of a double, either way
    }
    return value + 0.0;  // no negative zero
}

}  // namespace quellan
