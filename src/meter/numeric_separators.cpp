#include "meter/numeric_separators.h"

#include <clocale>
#include <string>

namespace quellan {
namespace {

bool IsEmpty(const char* text) {
    return text == nullptr || *text == '\0';
}

}  // namespace

NumericSeparators SeparatorsFromLocaleTexts(const char* decimalPoint,
                                            const char* thousandsSeparator) {
    NumericSeparators separators;
    if (!IsEmpty(decimalPoint)) {
        separators.decimalPoint = decimalPoint;
    }
    if (!IsEmpty(thousandsSeparator)) {
        separators.thousandsSeparator = thousandsSeparator;
    }
    return separators;
}

NumericSeparators NumericSeparatorsOfLocale(const char* localeName) {
    // The program may run in the "C" numeric locale (printf and friends must keep "."), so the
    // asked-for locale is switched in only long enough to read its conventions.
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    std::string previous = current != nullptr ? current : "C";
    if (std::setlocale(LC_NUMERIC, localeName) == nullptr) {
        return SeparatorsFromLocaleTexts(nullptr, nullptr);
    }
    const std::lconv* conventions = std::localeconv();
    NumericSeparators separators =
        SeparatorsFromLocaleTexts(conventions->decimal_point, conventions->thousands_sep);
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separators;
}

const NumericSeparators& UserNumericSeparators() {
    static const NumericSeparators separators = NumericSeparatorsOfLocale("");
    return separators;
}

}  // namespace quellan
