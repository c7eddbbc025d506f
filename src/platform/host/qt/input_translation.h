#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string>

#include "platform/host/host.h"

namespace win::host::desktop {

MouseButton ButtonFromQt(Qt::MouseButton button);
MouseButtons ButtonsFromQt(Qt::MouseButtons buttons);
Modifiers ModifiersFromQt(Qt::KeyboardModifiers modifiers);
// The character text a key press sends as WM_CHAR, if any: none for Delete (which sends none
// on the desktop the design targets) and none while Alt alone is held (a menu accelerator).
std::optional<std::string> CharacterTextOfKey(const QString& text, Qt::KeyboardModifiers modifiers);

}  // namespace win::host::desktop
