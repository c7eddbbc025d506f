#include "platform/host/qt/virtual_key_map.h"

#include <array>
#include <utility>

namespace win::host::desktop {

namespace {

constexpr int kVkNumpad0 = 0x60;
constexpr int kVkF1 = 0x70;

using KeyPair = std::pair<int, int>;

constexpr std::array kKeypadKeys{
    KeyPair{Qt::Key_Asterisk, 0x6A}, KeyPair{Qt::Key_Plus, 0x6B},  KeyPair{Qt::Key_Minus, 0x6D},
    KeyPair{Qt::Key_Period, 0x6E},   KeyPair{Qt::Key_Comma, 0x6E}, KeyPair{Qt::Key_Slash, 0x6F},
    KeyPair{Qt::Key_Enter, 0x0D},
};

constexpr std::array kKeys{
    KeyPair{Qt::Key_Backspace, 0x08},
    KeyPair{Qt::Key_Tab, 0x09},
    KeyPair{Qt::Key_Backtab, 0x09},
    KeyPair{Qt::Key_Clear, 0x0C},
    KeyPair{Qt::Key_Return, 0x0D},
    KeyPair{Qt::Key_Enter, 0x0D},
    KeyPair{Qt::Key_Shift, 0x10},
    KeyPair{Qt::Key_Control, 0x11},
    KeyPair{Qt::Key_Alt, 0x12},
    KeyPair{Qt::Key_AltGr, 0x12},
    KeyPair{Qt::Key_Pause, 0x13},
    KeyPair{Qt::Key_CapsLock, 0x14},
    KeyPair{Qt::Key_Escape, 0x1B},
    KeyPair{Qt::Key_Space, 0x20},
    KeyPair{Qt::Key_PageUp, 0x21},
    KeyPair{Qt::Key_PageDown, 0x22},
    KeyPair{Qt::Key_End, 0x23},
    KeyPair{Qt::Key_Home, 0x24},
    KeyPair{Qt::Key_Left, 0x25},
    KeyPair{Qt::Key_Up, 0x26},
    KeyPair{Qt::Key_Right, 0x27},
    KeyPair{Qt::Key_Down, 0x28},
    KeyPair{Qt::Key_Print, 0x2C},
    KeyPair{Qt::Key_Insert, 0x2D},
    KeyPair{Qt::Key_Delete, 0x2E},
    KeyPair{Qt::Key_Help, 0x2F},
    KeyPair{Qt::Key_Meta, 0x5B},
    KeyPair{Qt::Key_Super_L, 0x5B},
    KeyPair{Qt::Key_Super_R, 0x5C},
    KeyPair{Qt::Key_Menu, 0x5D},
    KeyPair{Qt::Key_NumLock, 0x90},
    KeyPair{Qt::Key_ScrollLock, 0x91},
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
    KeyPair{Qt::Key_Semicolon, 0xBA},
    KeyPair{Qt::Key_Colon, 0xBA},
    KeyPair{Qt::Key_Equal, 0xBB},
    KeyPair{Qt::Key_Plus, 0xBB},
    KeyPair{Qt::Key_Comma, 0xBC},
    KeyPair{Qt::Key_Less, 0xBC},
    KeyPair{Qt::Key_Minus, 0xBD},
    KeyPair{Qt::Key_Underscore, 0xBD},
    KeyPair{Qt::Key_Period, 0xBE},
    KeyPair{Qt::Key_Greater, 0xBE},
    KeyPair{Qt::Key_Slash, 0xBF},
    KeyPair{Qt::Key_Question, 0xBF},
    KeyPair{Qt::Key_QuoteLeft, 0xC0},
    KeyPair{Qt::Key_AsciiTilde, 0xC0},
    KeyPair{Qt::Key_BracketLeft, 0xDB},
    KeyPair{Qt::Key_BraceLeft, 0xDB},
    KeyPair{Qt::Key_Backslash, 0xDC},
    KeyPair{Qt::Key_Bar, 0xDC},
    KeyPair{Qt::Key_BracketRight, 0xDD},
    KeyPair{Qt::Key_BraceRight, 0xDD},
    KeyPair{Qt::Key_Apostrophe, 0xDE},
    KeyPair{Qt::Key_QuoteDbl, 0xDE},
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
        return keypad ? kVkNumpad0 + (qtKey - Qt::Key_0) : qtKey;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return kVkF1 + (qtKey - Qt::Key_F1);
    }
    if (keypad) {
        if (const int virtualKey = Lookup(kKeypadKeys, qtKey); virtualKey != 0) {
            return virtualKey;
        }
    }
    return Lookup(kKeys, qtKey);
}

}  // namespace win::host::desktop
