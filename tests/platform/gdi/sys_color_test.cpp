#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"

namespace win {
namespace {

TEST(SysColorTest, ClassicDefaults) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(COLOR_INFOTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(kSysColorCount), 0u);
}

TEST(SysColorTest, TranslationOfSystemAndPlainColours) {
    COLORREF out = 12345;
    EXPECT_EQ(OleTranslateColor(0x80000011, nullptr, &out), S_OK);  // grey text
    EXPECT_EQ(out, RGB(128, 128, 128));
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
