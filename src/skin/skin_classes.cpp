#include "skin/skin_classes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "platform/user/window_class.h"

namespace quellan {

namespace {

constexpr std::array<std::string_view, 3> kButtonClasses = {"thundercommandbutton",
                                                            "thunderrt6commandbutton", "button"};
constexpr std::array<std::string_view, 4> kContainerClasses = {"#32770", "thunderformdc",
                                                               "thunderrt6formdc", "form"};

}  // namespace

std::string LowerCaseClassName(win::HWND hWnd) {
    char name[256] = {};
    win::GetClassName(hWnd, name, 256);
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsSkinButtonClass(const std::string& lowerCaseClass) {
    return std::find(kButtonClasses.begin(), kButtonClasses.end(), lowerCaseClass) !=
           kButtonClasses.end();
}

bool IsSkinContainerClass(const std::string& lowerCaseClass) {
    return std::find(kContainerClasses.begin(), kContainerClasses.end(), lowerCaseClass) !=
           kContainerClasses.end();
}

}  // namespace quellan
