// DrawText with arbitrary text, flags, counts, rectangles and font heights on a small bitmap:
// it never writes outside the bitmap or fails to give back what it selected.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/font.h"
#include "platform/gdi/gdi_objects.h"

namespace {

struct Header {
    std::int32_t left, top, right, bottom;
    std::uint32_t format;
    std::int32_t count;
    std::int16_t fontHeight;
    std::uint8_t background;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Header header{};
    if (size < sizeof header) {
        return 0;
    }
    std::memcpy(&header, data, sizeof header);
    std::string_view text(reinterpret_cast<const char*>(data + sizeof header),
                          size - sizeof header);
    auto before = win::GdiLiveObjects();

    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(dc, 24, 16);
    win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
    win::LOGFONT logFont;
    logFont.lfHeight = header.fontHeight % 200;
    logFont.lfFaceName = "Tahoma";
    win::HFONT font = win::CreateFontIndirect(&logFont);
    win::HGDIOBJ oldFont = win::SelectObject(dc, font);
    win::SetBkMode(dc, header.background & 1 ? win::OPAQUE : win::TRANSPARENT);

    win::RECT rect{header.left, header.top, header.right, header.bottom};
    // Counts beyond the text are the caller's error; keep them within it or negative.
    int count = header.count < 0 ? -1 : static_cast<int>(header.count % (text.size() + 1));
    win::DrawText(dc, text, count, &rect, header.format);
    rect = {header.left % 64, header.top % 64, header.right % 64, header.bottom % 64};
    win::DrawText(dc, text, count, &rect, header.format);

    win::SelectObject(dc, oldFont);
    win::DeleteObject(font);
    win::SelectObject(dc, oldBitmap);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
    if (!(win::GdiLiveObjects() == before)) {
        std::abort();
    }
    return 0;
}
