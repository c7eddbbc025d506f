#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/object_table.h"

namespace win {
namespace {

TEST(FontObjectTest, KeepsTheDescriptionAndCutsLongNamesAtACharacter) {
    LOGFONT description;
    description.lfHeight = -12;
    description.lfWeight = FW_BOLD;
    description.lfItalic = 1;
    description.lfCharSet = SYMBOL_CHARSET;
    description.lfFaceName = "Marlett";
    const HFONT font = CreateFontIndirect(&description);
    LOGFONT back;
    ASSERT_GT(GetObject(font, &back), 0);
    EXPECT_EQ(back, description);
    DeleteObject(font);

    // 10 three-byte characters: only 10 whole ones fit in 31 bytes (30).
    description.lfFaceName.clear();
    for (int i = 0; i < 11; ++i) {
        description.lfFaceName += "宋";
    }
    const HFONT longName = CreateFontIndirect(&description);
    ASSERT_GT(GetObject(longName, &back), 0);
    EXPECT_EQ(back.lfFaceName.size(), 30u);
    EXPECT_EQ(back.lfFaceName.substr(27), "宋");
    DeleteObject(longName);
    EXPECT_FALSE(CreateFontIndirect(nullptr));
}

TEST(FontObjectTest, ASelectedFontIsMatchedByTheTextEngine) {
    LOGFONT description;
    description.lfHeight = -12;
    description.lfCharSet = SYMBOL_CHARSET;
    const HFONT font = CreateFontIndirect(&description);
    const HDC dc = CreateCompatibleDC(HDC());
    SelectObject(dc, font);
    const gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->Font().Description().charSet, SYMBOL_CHARSET);
    const text::FontMetrics metrics = context->Font().Matched().Metrics();
    EXPECT_GT(metrics.height, 0);
    EXPECT_EQ(&context->Font().Matched(), &context->Font().Matched());  // kept between calls
    DeleteDC(dc);
    DeleteObject(font);
}

}  // namespace
}  // namespace win
