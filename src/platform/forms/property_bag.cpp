#include "platform/forms/property_bag.h"

#include <algorithm>

namespace win::forms {

bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* font = std::get_if<FontRef>(&a)) {
        const auto& other = std::get<FontRef>(b);
        if (!*font || !other) {
            return *font == other;
        }
        return **font == *other;
    }
    return a == b;
}

void PropertyBag::WriteProperty(std::string_view name, PropertyValue value,
                                const PropertyValue& defaultValue) {
    if (SamePropertyValue(value, defaultValue)) {
        std::erase_if(values_, [name](const auto& entry) { return entry.first == name; });
        return;
    }
    WriteProperty(name, std::move(value));
}

void PropertyBag::WriteProperty(std::string_view name, PropertyValue value) {
    auto it = std::find_if(values_.begin(), values_.end(),
                           [name](const auto& entry) { return entry.first == name; });
    if (it != values_.end()) {
        it->second = std::move(value);
    } else {
        values_.emplace_back(std::string(name), std::move(value));
    }
}

const PropertyValue* PropertyBag::Find(std::string_view name) const {
    auto it = std::find_if(values_.begin(), values_.end(),
                           [name](const auto& entry) { return entry.first == name; });
    return it == values_.end() ? nullptr : &it->second;
}

std::vector<std::string> PropertyBag::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : values_) {
        names.push_back(entry.first);
    }
    return names;
}

}  // namespace win::forms
