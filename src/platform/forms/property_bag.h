#pragma once

// The property store a form keeps for each user control on it: named, typed values in the order
// they were written. Writing leaves out a value equal to its default, so reading it back yields
// the reader's default instead.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/forms/std_font.h"
#include "platform/forms/std_picture.h"

namespace win::forms {

using PropertyValue = std::variant<bool, std::uint8_t, std::int16_t, std::int32_t, double,
                                   std::string, FontRef, PictureRef>;

// Fonts compare by their attributes, pictures by identity, everything else by value; values of
// different types are never equal.
bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b);

class PropertyBag {
public:
    void WriteProperty(std::string_view name, PropertyValue value,
                       const PropertyValue& defaultValue);
    void WriteProperty(std::string_view name, PropertyValue value);

    // The stored value as T; numbers convert between the integer and floating types (out-of-range
    // values and values of another kind give the default).
    template <class T>
    T ReadProperty(std::string_view name, T defaultValue) const;

    const PropertyValue* Find(std::string_view name) const;
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    std::vector<std::string> Names() const;
    std::size_t Size() const { return values_.size(); }
    void Clear() { values_.clear(); }

private:
    std::vector<std::pair<std::string, PropertyValue>> values_;
};

// A number held as one arithmetic type, read as another; nothing when it does not fit.
template <class T>
std::optional<T> ConvertPropertyNumber(const PropertyValue& value) {
    if constexpr (std::is_arithmetic_v<T>) {
        return std::visit(
            [](const auto& held) -> std::optional<T> {
                using Held = std::decay_t<decltype(held)>;
                if constexpr (std::is_arithmetic_v<Held> && !std::is_same_v<Held, bool> &&
                              !std::is_same_v<T, bool>) {
                    double asDouble = static_cast<double>(held);
                    if constexpr (std::is_integral_v<T>) {
                        if (asDouble != asDouble ||
                            asDouble < static_cast<double>(std::numeric_limits<T>::min()) ||
                            asDouble > static_cast<double>(std::numeric_limits<T>::max())) {
                            return std::nullopt;
                        }
                    }
                    return static_cast<T>(held);
                } else {
                    return std::nullopt;
                }
            },
            value);
    } else {
        return std::nullopt;
    }
}

template <class T>
T PropertyBag::ReadProperty(std::string_view name, T defaultValue) const {
    const PropertyValue* value = Find(name);
    if (!value) {
        return defaultValue;
    }
    if (const T* exact = std::get_if<T>(value)) {
        return *exact;
    }
    return ConvertPropertyNumber<T>(*value).value_or(std::move(defaultValue));
}

}  // namespace win::forms
