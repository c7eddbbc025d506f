#include "button/theme_in_use.h"

#include "platform/user/module_exports.h"
#include "platform/user/visual_styles.h"

namespace quellan {

using namespace win;

bool IsFunctionExported(std::string_view function, std::string_view library) {
    HMODULE module = GetModuleHandle(library);
    const bool loadedHere = !module;
    if (loadedHere) {
        module = LoadLibrary(library);
    }
    if (!module) {
        return false;
    }
    const bool found = GetProcAddress(module, function) != nullptr;
    if (loadedHere) {
        FreeLibrary(module);
    }
    return found;
}

bool ThemeCheck::ThemeInUse() {
    if (!uxthemePresent_) {
        const HMODULE module = LoadLibrary("uxtheme.dll");
        uxthemePresent_ = static_cast<bool>(module);
        if (module) {
            FreeLibrary(module);
        }
    }
    if (!*uxthemePresent_) {
        return false;
    }
    if (!appThemed_) {
        appThemed_ = IsAppThemed();
    }
    return *appThemed_;
}

}  // namespace quellan
