#include <gtest/gtest.h>

#include "platform/host/qt/double_click_detector.h"
#include "platform/host/qt/input_translation.h"
#include "platform/host/qt/virtual_key_map.h"

namespace win::host::desktop {
namespace {

TEST(VirtualKeyMap, LettersDigitsAndFunctionKeysKeepTheirCodes) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_A, Qt::NoModifier), 0x41);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Z, Qt::ShiftModifier), 0x5A);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0, Qt::NoModifier), 0x30);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_9, Qt::NoModifier), 0x39);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F1, Qt::NoModifier), 0x70);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F10, Qt::NoModifier), 0x79);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F24, Qt::NoModifier), 0x87);
}

TEST(VirtualKeyMap, KeypadKeysAreTheNumpadCodes) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0, Qt::KeypadModifier), 0x60);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Asterisk, Qt::KeypadModifier), 0x6A);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Plus, Qt::KeypadModifier), 0x6B);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Minus, Qt::KeypadModifier), 0x6D);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Slash, Qt::KeypadModifier), 0x6F);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter, Qt::KeypadModifier), 0x0D);
    // Keypad navigation (Num Lock off) is the ordinary navigation key.
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Home, Qt::KeypadModifier), 0x24);
}

TEST(VirtualKeyMap, ShiftedSymbolsNameTheKeyThatCarriesThem) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Asterisk, Qt::ShiftModifier), '8');
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Plus, Qt::ShiftModifier), 0xBB);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Equal, Qt::NoModifier), 0xBB);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Question, Qt::ShiftModifier), 0xBF);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_BraceRight, Qt::ShiftModifier), 0xDD);
}

TEST(VirtualKeyMap, EditingAndModifierKeys) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backspace, Qt::NoModifier), 0x08);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backtab, Qt::ShiftModifier), 0x09);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Return, Qt::NoModifier), 0x0D);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Escape, Qt::NoModifier), 0x1B);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Space, Qt::NoModifier), 0x20);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Delete, Qt::NoModifier), 0x2E);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Down, Qt::NoModifier), 0x28);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Shift, Qt::ShiftModifier), 0x10);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Control, Qt::ControlModifier), 0x11);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Alt, Qt::AltModifier), 0x12);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_VolumeUp, Qt::NoModifier), 0);
}

TEST(CharacterText, ControlCharactersPassButDeleteAndAltChordsDoNot) {
    EXPECT_EQ(CharacterTextOfKey("a", Qt::NoModifier), "a");
    EXPECT_EQ(CharacterTextOfKey("\r", Qt::NoModifier), "\r");
    EXPECT_EQ(CharacterTextOfKey(QString::fromUtf8("中"), Qt::NoModifier), "中");
    EXPECT_EQ(CharacterTextOfKey(QString(QChar(0x7F)), Qt::NoModifier), std::nullopt);
    EXPECT_EQ(CharacterTextOfKey("f", Qt::AltModifier), std::nullopt);
    // AltGr arrives as Control+Alt and types characters.
    EXPECT_EQ(CharacterTextOfKey("@", Qt::AltModifier | Qt::ControlModifier), "@");
    EXPECT_EQ(CharacterTextOfKey("", Qt::NoModifier), std::nullopt);
}

TEST(MouseTranslation, ButtonsAndModifiers) {
    EXPECT_EQ(ButtonFromQt(Qt::BackButton), MouseButton::X1);
    EXPECT_EQ(ButtonFromQt(Qt::NoButton), MouseButton::None);
    const MouseButtons held = ButtonsFromQt(Qt::LeftButton | Qt::ForwardButton);
    EXPECT_EQ(held, (MouseButtons{true, false, false, false, true}));
    EXPECT_EQ(ModifiersFromQt(Qt::ShiftModifier | Qt::AltModifier), (Modifiers{true, false, true}));
}

constexpr WindowId kWindow{1};
constexpr WindowId kOther{2};

TEST(DoubleClickDetector, SecondPressCloseInTimeAndPlaceIsTheDoubleClick) {
    DoubleClickDetector clicks(400, 4);
    EXPECT_EQ(clicks.ClassifyPress(kWindow, MouseButton::Left, {10, 10}, 1000), MouseAction::Press);
    EXPECT_EQ(clicks.ClassifyPress(kWindow, MouseButton::Left, {13, 6}, 1400),
              MouseAction::DoubleClick);
    // A third press starts over.
    EXPECT_EQ(clicks.ClassifyPress(kWindow, MouseButton::Left, {13, 6}, 1500), MouseAction::Press);
}

TEST(DoubleClickDetector, TooLateTooFarOtherButtonOrWindowIsAPress) {
    DoubleClickDetector clicks(400, 4);
    clicks.ClassifyPress(kWindow, MouseButton::Left, {10, 10}, 0);
    EXPECT_EQ(clicks.ClassifyPress(kWindow, MouseButton::Left, {10, 10}, 401), MouseAction::Press);
    EXPECT_EQ(clicks.ClassifyPress(kWindow, MouseButton::Left, {15, 10}, 500), MouseAction::Press);
    EXPECT_EQ(clicks.ClassifyPress(kWindow, MouseButton::Right, {15, 10}, 550), MouseAction::Press);
    EXPECT_EQ(clicks.ClassifyPress(kOther, MouseButton::Right, {15, 10}, 600), MouseAction::Press);
    EXPECT_EQ(clicks.ClassifyPress(kOther, MouseButton::Right, {15, 10}, 700),
              MouseAction::DoubleClick);
}

}  // namespace
}  // namespace win::host::desktop
