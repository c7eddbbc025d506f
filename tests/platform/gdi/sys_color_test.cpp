#include <cstdint>

#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"

namespace win {
namespace {

TEST(SysColorTest, StandardSchemeInRedGreenBlue) {
    struct Case {
        int index;
        std::uint32_t rgb;  // 0xRRGGBB as the scheme is written
    };
    const Case cases[] = {
        {COLOR_SCROLLBAR, 0xC8C8C8},
        {COLOR_BACKGROUND, 0x000000},
        {COLOR_ACTIVECAPTION, 0x99B4D1},
        {COLOR_INACTIVECAPTION, 0xBFCDDB},
        {COLOR_MENU, 0xF0F0F0},
        {COLOR_WINDOW, 0xFFFFFF},
        {COLOR_WINDOWFRAME, 0x646464},
        {COLOR_MENUTEXT, 0x000000},
        {COLOR_WINDOWTEXT, 0x000000},
        {COLOR_CAPTIONTEXT, 0x000000},
        {COLOR_ACTIVEBORDER, 0xB4B4B4},
        {COLOR_INACTIVEBORDER, 0xF4F7FC},
        {COLOR_APPWORKSPACE, 0xABABAB},
        {COLOR_HIGHLIGHT, 0x3399FF},
        {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
        {COLOR_BTNFACE, 0xF0F0F0},
        {COLOR_BTNSHADOW, 0xA0A0A0},
        {COLOR_GRAYTEXT, 0x6D6D6D},
        {COLOR_BTNTEXT, 0x000000},
        {COLOR_INACTIVECAPTIONTEXT, 0x434E54},
        {COLOR_BTNHIGHLIGHT, 0xFFFFFF},
        {COLOR_3DDKSHADOW, 0x696969},
        {COLOR_3DLIGHT, 0xE3E3E3},
        {COLOR_INFOTEXT, 0x000000},
        {COLOR_INFOBK, 0xFFFFE1},
        {COLOR_HOTLIGHT, 0x0066CC},
        {COLOR_GRADIENTACTIVECAPTION, 0xB9D1EA},
        {COLOR_GRADIENTINACTIVECAPTION, 0xD7E4F2},
        {COLOR_MENUHILIGHT, 0x3399FF},
        {COLOR_MENUBAR, 0xF0F0F0},
    };
    for (const Case& c : cases) {
        const COLORREF expected = RGB((c.rgb >> 16) & 0xFF, (c.rgb >> 8) & 0xFF, c.rgb & 0xFF);
        EXPECT_EQ(GetSysColor(c.index), expected) << "index " << c.index;
    }
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(kSysColorCount), 0u);
}

TEST(SysColorTest, TranslationOfSystemAndPlainColours) {
    COLORREF out = 12345;
    EXPECT_EQ(OleTranslateColor(0x80000011, nullptr, &out), S_OK);  // grey text
    EXPECT_EQ(out, RGB(0x6D, 0x6D, 0x6D));
    EXPECT_EQ(OleTranslateColor(0x8000000C, nullptr, &out), S_OK);  // application workspace
    EXPECT_EQ(out, GetSysColor(COLOR_APPWORKSPACE));
    EXPECT_EQ(OleTranslateColor(0x00C0C0C0, nullptr, &out), S_OK);
    EXPECT_EQ(out, 0x00C0C0C0u);
    EXPECT_EQ(OleTranslateColor(0x02123456, nullptr, &out), S_OK);
    EXPECT_EQ(out, 0x00123456u);
    out = 777;
    for (OLE_COLOR bad : {OLE_COLOR{0xFFFFFFFF}, OLE_COLOR{0x800000FF}, OLE_COLOR{0x80010005},
                          OLE_COLOR{0x01000003}, OLE_COLOR{0x40000000}}) {
        EXPECT_EQ(OleTranslateColor(bad, nullptr, &out), E_INVALIDARG) << std::hex << bad;
    }
    EXPECT_EQ(out, 777u);
    EXPECT_EQ(OleTranslateColor(0, nullptr, nullptr), E_INVALIDARG);
}

TEST(SysColorTest, NearestColourIsTheColour) {
    const HDC dc = CreateCompatibleDC(HDC());
    EXPECT_EQ(GetNearestColor(dc, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetNearestColor(dc, 0x02010203), 0x00010203u);
    DeleteDC(dc);
    EXPECT_EQ(GetNearestColor(dc, RGB(1, 2, 3)), CLR_INVALID);
}

TEST(SysColorTest, ColourParts) {
    constexpr COLORREF c = RGB(0x12, 0x34, 0x56);
    static_assert(c == 0x00563412);
    static_assert(GetRValue(c) == 0x12 && GetGValue(c) == 0x34 && GetBValue(c) == 0x56);
}

}  // namespace
}  // namespace win
