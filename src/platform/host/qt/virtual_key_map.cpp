#include "platform/host/qt/virtual_key_map.h"

#include <array>
#include <utility>

#include "platform/host/virtual_keys.h"

namespace win::host::desktop {

namespace {

using KeyPair = std::pair<int, int>;

constexpr std::array kKeypadKeys{
    KeyPair{Qt::Key_Asterisk, VK_MULTIPLY}, KeyPair{Qt::Key_Plus, VK_ADD},
    KeyPair{Qt::Key_Minus, VK_SUBTRACT},    KeyPair{Qt::Key_Period, VK_DECIMAL},
    KeyPair{Qt::Key_Comma, VK_DECIMAL},     KeyPair{Qt::Key_Slash, VK_DIVIDE},
    KeyPair{Qt::Key_Enter, VK_RETURN},
};

constexpr std::array kKeys{
    KeyPair{Qt::Key_Backspace, VK_BACK},
    KeyPair{Qt::Key_Tab, VK_TAB},
    KeyPair{Qt::Key_Backtab, VK_TAB},
    KeyPair{Qt::Key_Clear, VK_CLEAR},
    KeyPair{Qt::Key_Return, VK_RETURN},
    KeyPair{Qt::Key_Enter, VK_RETURN},
    KeyPair{Qt::Key_Shift, VK_SHIFT},
    KeyPair{Qt::Key_Control, VK_CONTROL},
    KeyPair{Qt::Key_Alt, VK_MENU},
    KeyPair{Qt::Key_AltGr, VK_MENU},
    KeyPair{Qt::Key_Pause, VK_PAUSE},
    KeyPair{Qt::Key_CapsLock, VK_CAPITAL},
    KeyPair{Qt::Key_Escape, VK_ESCAPE},
    KeyPair{Qt::Key_Space, VK_SPACE},
    KeyPair{Qt::Key_PageUp, VK_PRIOR},
    KeyPair{Qt::Key_PageDown, VK_NEXT},
    KeyPair{Qt::Key_End, VK_END},
    KeyPair{Qt::Key_Home, VK_HOME},
    KeyPair{Qt::Key_Left, VK_LEFT},
    KeyPair{Qt::Key_Up, VK_UP},
    KeyPair{Qt::Key_Right, VK_RIGHT},
    KeyPair{Qt::Key_Down, VK_DOWN},
    KeyPair{Qt::Key_Print, VK_SNAPSHOT},
    KeyPair{Qt::Key_Insert, VK_INSERT},
    KeyPair{Qt::Key_Delete, VK_DELETE},
    KeyPair{Qt::Key_Help, VK_HELP},
    KeyPair{Qt::Key_Meta, VK_LWIN},
    KeyPair{Qt::Key_Super_L, VK_LWIN},
    KeyPair{Qt::Key_Super_R, VK_RWIN},
    KeyPair{Qt::Key_Menu, VK_APPS},
    KeyPair{Qt::Key_NumLock, VK_NUMLOCK},
    KeyPair{Qt::Key_ScrollLock, VK_SCROLL},
    // The shifted digits of a US layout.
    KeyPair{Qt::Key_ParenRight, '0'},
    KeyPair{Qt::Key_Exclam, '1'},
    KeyPair{Qt::Key_At, '2'},
    KeyPair{Qt::Key_NumberSign, '3'},
    KeyPair{Qt::Key_Dollar, '4'},
    KeyPair{Qt::Key_Percent, '5'},
    KeyPair{Qt::Key_AsciiCircum, '6'},
    KeyPair{Qt::Key_Ampersand, '7'},
    KeyPair{Qt::Key_Asterisk, '8'},
    KeyPair{Qt::Key_ParenLeft, '9'},
    // The OEM punctuation keys, plain and shifted.
    KeyPair{Qt::Key_Semicolon, VK_OEM_1},
    KeyPair{Qt::Key_Colon, VK_OEM_1},
    KeyPair{Qt::Key_Equal, VK_OEM_PLUS},
    KeyPair{Qt::Key_Plus, VK_OEM_PLUS},
    KeyPair{Qt::Key_Comma, VK_OEM_COMMA},
    KeyPair{Qt::Key_Less, VK_OEM_COMMA},
    KeyPair{Qt::Key_Minus, VK_OEM_MINUS},
    KeyPair{Qt::Key_Underscore, VK_OEM_MINUS},
    KeyPair{Qt::Key_Period, VK_OEM_PERIOD},
    KeyPair{Qt::Key_Greater, VK_OEM_PERIOD},
    KeyPair{Qt::Key_Slash, VK_OEM_2},
    KeyPair{Qt::Key_Question, VK_OEM_2},
    KeyPair{Qt::Key_QuoteLeft, VK_OEM_3},
    KeyPair{Qt::Key_AsciiTilde, VK_OEM_3},
    KeyPair{Qt::Key_BracketLeft, VK_OEM_4},
    KeyPair{Qt::Key_BraceLeft, VK_OEM_4},
    KeyPair{Qt::Key_Backslash, VK_OEM_5},
    KeyPair{Qt::Key_Bar, VK_OEM_5},
    KeyPair{Qt::Key_BracketRight, VK_OEM_6},
    KeyPair{Qt::Key_BraceRight, VK_OEM_6},
    KeyPair{Qt::Key_Apostrophe, VK_OEM_7},
    KeyPair{Qt::Key_QuoteDbl, VK_OEM_7},
};

template <std::size_t N>
int Lookup(const std::array<KeyPair, N>& table, int qtKey) {
    for (const auto& [key, virtualKey] : table) {
        if (key == qtKey) {
            return virtualKey;
        }
    }
    return 0;
}

}  // namespace

int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return keypad ? VK_NUMPAD0 + (qtKey - Qt::Key_0) : qtKey;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return VK_F1 + (qtKey - Qt::Key_F1);
    }
    if (keypad) {
        if (const int virtualKey = Lookup(kKeypadKeys, qtKey); virtualKey != 0) {
            return virtualKey;
        }
    }
    return Lookup(kKeys, qtKey);
}

}  // namespace win::host::desktop
