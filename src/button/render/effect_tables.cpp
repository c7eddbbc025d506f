#include "button/render/effect_tables.h"

#include <algorithm>

namespace quellan {

namespace {

template <class Entry>
EffectTable Filled(Entry entry) {
    EffectTable table{};
    for (int v = 0; v < 256; ++v) {
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(entry(v));
    }
    return table;
}

}  // namespace

EffectTable BrightenTable() {
    return Filled([](int v) { return std::min(255, v * 293 / 255); });
}

EffectTable DarkenTable() {
    return Filled([](int v) { return v * 217 / 255; });
}

}  // namespace quellan
