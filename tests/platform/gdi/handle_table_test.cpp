#include <gtest/gtest.h>

#include "gdi_test_canvas.h"
#include "platform/gdi/gdi.h"

namespace win {
namespace {

TEST(GdiHandleTest, HandlesAreNeverReusedAndDeadOnesAreRefused) {
    const HPEN first = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    ASSERT_TRUE(first);
    ASSERT_TRUE(DeleteObject(first));
    const HPEN second = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_NE(first, second);  // the slot is reused, the value is not
    EXPECT_FALSE(DeleteObject(first));
    EXPECT_EQ(GetObjectType(first), 0u);
    LOGPEN pen;
    EXPECT_EQ(GetObject(first, &pen), 0);
    EXPECT_GT(GetObject(second, &pen), 0);
    EXPECT_EQ(pen.lopnColor, RGB(1, 2, 3));
    EXPECT_TRUE(DeleteObject(second));
}

TEST(GdiHandleTest, ConversionsBackFromAnyObjectAreChecked) {
    const HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    const HGDIOBJ any = brush;
    EXPECT_EQ(any.Kind(), GdiObjectKind::Brush);
    EXPECT_EQ(any.As<HBRUSH>(), brush);
    EXPECT_FALSE(any.As<HPEN>());
    EXPECT_FALSE(static_cast<HBITMAP>(any));
    EXPECT_EQ(HBRUSH::FromValue(brush.Value()), brush);
    EXPECT_FALSE(HPEN::FromValue(brush.Value()));
    EXPECT_FALSE(HGDIOBJ::FromValue(0x7));  // no such kind
    EXPECT_EQ(GetObjectType(any), OBJ_BRUSH);
    DeleteObject(brush);
}

TEST(GdiHandleTest, ForgedHandleValuesAreRefused) {
    const HPEN real = CreatePen(PS_SOLID, 1, 0);
    const std::uintptr_t forgedGeneration = real.Value() + (std::uintptr_t{1} << 27);
    const std::uintptr_t farSlot = (std::uintptr_t{0xFFFFFF} << 3) | real.Value() % 8;
    testing::Canvas canvas(2, 2);
    EXPECT_FALSE(SelectObject(canvas.Dc(), HPEN::FromValue(forgedGeneration)));
    EXPECT_FALSE(SelectObject(canvas.Dc(), HPEN::FromValue(farSlot)));
    EXPECT_FALSE(DeleteObject(HPEN::FromValue(forgedGeneration)));
    EXPECT_TRUE(DeleteObject(real));
}

TEST(GdiHandleTest, SelectReturnsThePreviousObjectOfEachKind) {
    testing::Canvas canvas(4, 4);
    const HDC dc = canvas.Dc();
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    const HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    LOGFONT description;
    description.lfHeight = -12;
    const HFONT font = CreateFontIndirect(&description);

    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN).As<HPEN>());
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH).As<HBRUSH>());
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT).As<HFONT>());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), HGDIOBJ(pen));
    EXPECT_EQ(SelectObject(dc, HGDIOBJ(GetStockObject(BLACK_PEN))), HGDIOBJ(pen));
    EXPECT_FALSE(SelectObject(dc, HPEN()));  // null changes nothing
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));

    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(font);
}

TEST(GdiHandleTest, DeletingASelectedObjectWaitsUntilItIsDeselected) {
    const GdiObjectCounts before = GdiLiveObjects();
    {
        testing::Canvas canvas(4, 4);
        const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
        SelectObject(canvas.Dc(), brush);
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Brush), before.brushes + 1);
        // The handle is dead to the program, but the DC still paints with the brush.
        EXPECT_FALSE(SelectObject(testing::Canvas(1, 1).Dc(), brush));
        EXPECT_TRUE(Rectangle(canvas.Dc(), 0, 0, 4, 4));
        EXPECT_EQ(canvas.Pixel(1, 1), 0x000A141Eu);
        SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Brush), before.brushes);
    }
    {
        // Deleting the DC lets go of a deleted bitmap it still held.
        const HDC dc = CreateCompatibleDC(HDC());
        const HBITMAP bitmap = CreateCompatibleBitmap(dc, 3, 3);
        SelectObject(dc, bitmap);
        DeleteObject(bitmap);
        EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Bitmap), before.bitmaps + 1);
        DeleteDC(dc);
    }
    EXPECT_EQ(GdiLiveObjects(), before);
}

TEST(GdiHandleTest, StockObjectsSurviveDeletionAndAreNotCounted) {
    const GdiObjectCounts before = GdiLiveObjects();
    for (int index : {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, WHITE_PEN, NULL_PEN,
                      DEFAULT_GUI_FONT, SYSTEM_FONT}) {
        const HGDIOBJ stock = GetStockObject(index);
        ASSERT_TRUE(stock) << index;
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(GetObjectType(stock), 0u) << index;
    }
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_TRUE(DeleteObject(face));
    LOGBRUSH brush;
    ASSERT_GT(GetObject(face, &brush), 0);
    EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(GetStockObject(9));
    EXPECT_FALSE(GetSysColorBrush(-1));
    EXPECT_EQ(GdiLiveObjects(), before);
}

TEST(GdiHandleTest, ABitmapLivesInOneMemoryDcAtATime) {
    testing::Canvas owner(2, 2);
    const HDC other = CreateCompatibleDC(owner.Dc());
    EXPECT_FALSE(SelectObject(other, owner.Bitmap()));
    const HBITMAP mine = CreateCompatibleBitmap(other, 1, 1);
    const HBITMAP stock = SelectObject(other, mine);
    EXPECT_TRUE(stock);
    EXPECT_EQ(SelectObject(other, stock), mine);
    DeleteObject(mine);
    DeleteDC(other);
    EXPECT_FALSE(DeleteDC(other));
    EXPECT_FALSE(DeleteObject(HGDIOBJ(other)));  // DCs go through DeleteDC only
}

TEST(GdiHandleTest, BitmapsKeepTheirDepthAndRefuseBadSizes) {
    const HDC display = CreateDCA("DISPLAY", "", "", nullptr);
    ASSERT_TRUE(display);
    EXPECT_FALSE(CreateDC("PRINTER"));
    BITMAP info;
    const HBITMAP screen = CreateCompatibleBitmap(display, 9, 84);
    ASSERT_GT(GetObject(screen, &info), 0);
    EXPECT_EQ(info.bmWidth, 9);
    EXPECT_EQ(info.bmHeight, 84);
    EXPECT_EQ(info.bmBitsPixel, 32);

    const std::uint32_t picture[] = {0x80FF0000, 0x8000FF00};
    const HBITMAP rgb = CreatePictureBitmap(2, 1, 24, picture);
    const HBITMAP rgba = CreatePictureBitmap(2, 1, 32, picture);
    ASSERT_GT(GetObject(rgb, &info), 0);
    EXPECT_EQ(info.bmBitsPixel, 24);
    EXPECT_EQ(gdi::ReadBitmapPixels(rgb)->pixels[0], 0x00FF0000u);  // no alpha in 24 bits
    ASSERT_GT(GetObject(rgba, &info), 0);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(gdi::ReadBitmapPixels(rgba)->pixels[1], 0x8000FF00u);

    // CreateBitmap rows are padded to an even number of bytes: 3 pixels of 24 bits take 10.
    const BYTE bits[20] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0};
    const HBITMAP packed = CreateBitmap(3, 2, 1, 24, bits);
    ASSERT_TRUE(packed);
    EXPECT_EQ(gdi::ReadBitmapPixels(packed)->pixels[3], 0x000D0C0Bu);
    EXPECT_FALSE(CreateBitmap(3, 2, 1, 24, std::span<const BYTE>(bits, 19)));
    EXPECT_FALSE(CreateBitmap(3, 2, 1, 16, bits));

    EXPECT_FALSE(CreateCompatibleBitmap(display, -1, 5));
    EXPECT_FALSE(CreateCompatibleBitmap(display, 100000, 100000));
    EXPECT_FALSE(CreateCompatibleBitmap(HDC(), 5, 5));
    EXPECT_FALSE(CreatePictureBitmap(2, 2, 32, picture));  // too few pixels
    const HBITMAP empty = CreateCompatibleBitmap(display, 0, 7);
    ASSERT_TRUE(empty);  // a valid bitmap that draws nothing
    const HDC dc = CreateCompatibleDC(display);
    SelectObject(dc, empty);
    RECT all{0, 0, 10, 10};
    EXPECT_TRUE(FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW)));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);

    DeleteDC(dc);
    for (HBITMAP bitmap : {screen, rgb, rgba, packed, empty}) {
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    DeleteDC(display);
}

}  // namespace
}  // namespace win
