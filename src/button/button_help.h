#pragma once

// What the button publishes about itself for a design tool to list: a help text for every
// property and method, and each event with its dispatch identifier and help text, in the order of
// the control's interface.

#include <span>
#include <string_view>

namespace quellan {

struct MemberHelp {
    std::string_view name;
    std::string_view helpText;
};

struct EventHelp {
    std::string_view name;
    int dispatchId;
    std::string_view helpText;
};

std::span<const MemberHelp> ButtonPropertyHelp();
std::span<const MemberHelp> ButtonMethodHelp();
std::span<const EventHelp> ButtonEventHelp();

}  // namespace quellan
