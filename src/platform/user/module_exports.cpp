#include "platform/user/module_exports.h"

#include <algorithm>
#include <array>

#include "platform/user/class_registry.h"
#include "platform/user/module_exports_table.h"
#include "platform/user/mouse_tracking.h"
#include "platform/user/session.h"
#include "platform/user/visual_styles.h"

namespace win {

namespace {

struct Library {
    std::string_view name;
    // Loaded in every process: GetModuleHandle finds it without a LoadLibrary.
    bool resident;
    // Only where the host lends a visual-styles theme.
    bool needsTheme;
};

constexpr std::array kLibraries{
    Library{"user32", true, false},   Library{"kernel32", true, false},
    Library{"gdi32", true, false},    Library{"comctl32", false, false},
    Library{"shell32", false, false}, Library{"uxtheme", false, true},
};

struct Export {
    std::string_view library;
    std::string_view name;
    FARPROC entry;
};

template <class Function>
FARPROC Entry(Function* function) {
    return reinterpret_cast<FARPROC>(function);
}

const std::array kExports{
    Export{"user32", "TrackMouseEvent", Entry(&TrackMouseEvent)},
    Export{"comctl32", "_TrackMouseEvent", Entry(&_TrackMouseEvent)},
    Export{"uxtheme", "IsAppThemed", Entry(&IsAppThemed)},
    Export{"uxtheme", "OpenThemeData", Entry(&OpenThemeData)},
    Export{"uxtheme", "CloseThemeData", Entry(&CloseThemeData)},
    Export{"uxtheme", "GetThemeBackgroundRegion", Entry(&GetThemeBackgroundRegion)},
    Export{"uxtheme", "DrawThemeBackground", Entry(&DrawThemeBackground)},
};

std::string BaseName(std::string_view moduleName) {
    std::string name = user::LowerCase(moduleName);
    if (name.size() > 4 && name.ends_with(".dll")) {
        name.resize(name.size() - 4);
    }
    return name;
}

const Library* LibraryNamed(std::string_view baseName) {
    const auto* found =
        std::find_if(kLibraries.begin(), kLibraries.end(),
                     [&](const Library& library) { return library.name == baseName; });
    return found == kLibraries.end() ? nullptr : found;
}

const Library* LibraryOf(HMODULE module) {
    const LONG_PTR index = module.Value() - 1;
    if (index < 0 || index >= static_cast<LONG_PTR>(kLibraries.size())) {
        return nullptr;
    }
    return &kLibraries[static_cast<std::size_t>(index)];
}

HMODULE HandleOf(const Library& library) {
    return HMODULE::FromValue(&library - kLibraries.data() + 1);
}

bool Available(const Library& library) {
    if (!library.needsTheme) {
        return true;
    }
    user::Session* session = user::Current();
    return session != nullptr && session->Host().GetTheme() != nullptr;
}

user::ModuleExports* Exports() {
    user::Session* session = user::Current();
    return session == nullptr ? nullptr : &session->modules;
}

}  // namespace

namespace user {

HMODULE ModuleExports::Find(std::string_view moduleName) const {
    const std::string base = BaseName(moduleName);
    const Library* library = LibraryNamed(base);
    if (library == nullptr || !Available(*library)) {
        return nullptr;
    }
    return library->resident || loads_.contains(base) ? HandleOf(*library) : nullptr;
}

HMODULE ModuleExports::Load(std::string_view moduleName) {
    const std::string base = BaseName(moduleName);
    const Library* library = LibraryNamed(base);
    if (library == nullptr || !Available(*library)) {
        return nullptr;
    }
    if (!library->resident) {
        ++loads_[base];
    }
    return HandleOf(*library);
}

bool ModuleExports::Free(HMODULE module) {
    const Library* library = LibraryOf(module);
    if (library == nullptr) {
        return false;
    }
    if (library->resident) {
        return true;
    }
    const auto loaded = loads_.find(std::string(library->name));
    if (loaded == loads_.end()) {
        return false;
    }
    if (--loaded->second == 0) {
        loads_.erase(loaded);
    }
    return true;
}

FARPROC ModuleExports::Lookup(HMODULE module, std::string_view procName) const {
    const Library* library = LibraryOf(module);
    if (library == nullptr || Find(library->name) != module) {
        return nullptr;
    }
    for (const Export& entry : kExports) {
        if (entry.library == library->name && entry.name == procName) {
            const bool gone =
                withdrawn_.contains(std::string(entry.library) + "!" + std::string(procName));
            return gone ? nullptr : entry.entry;
        }
    }
    return nullptr;
}

void ModuleExports::Withdraw(std::string_view moduleName, std::string_view procName) {
    withdrawn_.insert(BaseName(moduleName) + "!" + std::string(procName));
}

void ModuleExports::Restore(std::string_view moduleName, std::string_view procName) {
    withdrawn_.erase(BaseName(moduleName) + "!" + std::string(procName));
}

int ModuleExports::LoadCount(std::string_view moduleName) const {
    const auto loaded = loads_.find(BaseName(moduleName));
    return loaded == loads_.end() ? 0 : loaded->second;
}

}  // namespace user

HMODULE GetModuleHandle(std::string_view lpModuleName) {
    user::ModuleExports* exports = Exports();
    return exports == nullptr ? nullptr : exports->Find(lpModuleName);
}

HMODULE LoadLibrary(std::string_view lpLibFileName) {
    user::ModuleExports* exports = Exports();
    return exports == nullptr ? nullptr : exports->Load(lpLibFileName);
}

bool FreeLibrary(HMODULE hLibModule) {
    user::ModuleExports* exports = Exports();
    return exports != nullptr && exports->Free(hLibModule);
}

FARPROC GetProcAddress(HMODULE hModule, std::string_view lpProcName) {
    user::ModuleExports* exports = Exports();
    return exports == nullptr ? nullptr : exports->Lookup(hModule, lpProcName);
}

}  // namespace win
