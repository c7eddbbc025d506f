#include "platform/host/qt/input_translation.h"

namespace win::host::desktop {

MouseButton ButtonFromQt(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        case Qt::BackButton:
            return MouseButton::X1;
        case Qt::ForwardButton:
            return MouseButton::X2;
        default:
            return MouseButton::None;
    }
}

MouseButtons ButtonsFromQt(Qt::MouseButtons buttons) {
    return {buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton),
            buttons.testFlag(Qt::MiddleButton), buttons.testFlag(Qt::BackButton),
            buttons.testFlag(Qt::ForwardButton)};
}

Modifiers ModifiersFromQt(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier)};
}

std::optional<std::string> CharacterTextOfKey(const QString& text,
                                              Qt::KeyboardModifiers modifiers) {
    if (text.isEmpty() || text == QChar(0x7F)) {
        return std::nullopt;
    }
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
        return std::nullopt;
    }
    return text.toStdString();
}

}  // namespace win::host::desktop
