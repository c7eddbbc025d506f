#pragma once

#include <Qt>

namespace win::host::desktop {

// The Windows virtual-key code of a Qt key; 0 for keys that have none. Shifted symbols map to
// the key that carries them on a US layout ('!' is the '1' key), keypad keys to VK_NUMPAD*.
int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace win::host::desktop
