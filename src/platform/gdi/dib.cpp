#include "platform/gdi/dib.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/pixel_transfer.h"
#include "platform/gdi/raster_op.h"

namespace win {

namespace {

using gdi::DeviceContext;

struct DibFormat {
    int width = 0;
    int rows = 0;
    bool bottomUp = true;
    int bitsPerPixel = 0;
    std::size_t rowBytes = 0;
};

std::optional<DibFormat> ReadFormat(const BITMAPINFO* info, UINT usage) {
    if (info == nullptr || usage != DIB_RGB_COLORS) {
        return std::nullopt;
    }
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 ||
        (header.biBitCount != 24 && header.biBitCount != 32) || header.biCompression != BI_RGB ||
        header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN ||
        header.biWidth > kMaxBitmapSide || std::abs(header.biHeight) > kMaxBitmapSide) {
        return std::nullopt;
    }
    DibFormat format;
    format.width = header.biWidth;
    format.rows = std::abs(header.biHeight);
    format.bottomUp = header.biHeight > 0;
    format.bitsPerPixel = header.biBitCount;
    format.rowBytes = static_cast<std::size_t>(DibRowBytes(format.width, format.bitsPerPixel));
    return format;
}

void DecodeRow(const BYTE* source, const DibFormat& format, std::uint32_t* out) {
    if (format.bitsPerPixel == 24) {
        for (int x = 0; x < format.width; ++x, source += 3) {
            out[x] = (std::uint32_t{source[2]} << 16) | (std::uint32_t{source[1]} << 8) | source[0];
        }
        return;
    }
    for (int x = 0; x < format.width; ++x, source += 4) {
        out[x] = (std::uint32_t{source[3]} << 24) | (std::uint32_t{source[2]} << 16) |
                 (std::uint32_t{source[1]} << 8) | source[0];
    }
}

void EncodeRow(const std::uint32_t* pixels, const DibFormat& format, BYTE* out) {
    const std::size_t bytesPerPixel = static_cast<std::size_t>(format.bitsPerPixel / 8);
    for (int x = 0; x < format.width; ++x, out += bytesPerPixel) {
        const std::uint32_t pixel = pixels[x];
        out[0] = static_cast<BYTE>(pixel & 0xFF);
        out[1] = static_cast<BYTE>((pixel >> 8) & 0xFF);
        out[2] = static_cast<BYTE>((pixel >> 16) & 0xFF);
        if (bytesPerPixel == 4) {
            out[3] = static_cast<BYTE>(pixel >> 24);
        }
    }
    const std::size_t used = bytesPerPixel * static_cast<std::size_t>(format.width);
    std::fill(out, out + (format.rowBytes - used), BYTE{0});
}

// `count` buffer rows decoded top-down (the buffer's last row first when it is bottom-up), held
// in `pixels`.
gdi::PixelSource DecodeRows(std::span<const BYTE> bits, const DibFormat& format, int count,
                            std::vector<std::uint32_t>& pixels) {
    pixels.resize(static_cast<std::size_t>(format.width) * static_cast<std::size_t>(count));
    for (int t = 0; t < count; ++t) {
        const int bufferRow = format.bottomUp ? count - 1 - t : t;
        DecodeRow(bits.data() + format.rowBytes * static_cast<std::size_t>(bufferRow), format,
                  pixels.data() + static_cast<std::size_t>(t) * format.width);
    }
    return gdi::PixelSource{pixels.data(), format.width, count, format.width};
}

bool HoldsRows(std::span<const BYTE> bits, const DibFormat& format, std::int64_t rows) {
    return rows >= 0 &&
           static_cast<std::uint64_t>(bits.size()) >=
               static_cast<std::uint64_t>(format.rowBytes) * static_cast<std::uint64_t>(rows);
}

// Whether any of the source rectangle (extents may be negative) lies in the picture.
bool SourceMeetsPicture(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height,
                        const DibFormat& format) {
    const std::int64_t left = std::min(x, x + width);
    const std::int64_t top = std::min(y, y + height);
    return left < format.width && left + std::abs(width) > 0 && top < format.rows &&
           top + std::abs(height) > 0;
}

// The count SetDIBitsToDevice reports. A bottom-up picture counts the band's scan lines from
// its first up to the last one the source rows reach, nothing when the two do not meet; a
// top-down picture counts every line given unless the source rows start past the band.
int ScanLinesSet(const DibFormat& format, std::int64_t sourceX, std::int64_t sourceY,
                 std::int64_t width, std::int64_t height, std::int64_t startScan,
                 std::int64_t lineCount) {
    if (width == 0 || sourceX >= format.width || sourceX + width <= 0) {
        return 0;
    }
    if (!format.bottomUp) {
        return sourceY >= startScan + lineCount ? 0 : static_cast<int>(lineCount);
    }
    const std::int64_t bandEnd = std::min(startScan + lineCount, std::int64_t{format.rows});
    const std::int64_t reach = std::min(bandEnd, sourceY + height);
    if (std::max(startScan, sourceY) >= reach) {
        return 0;
    }
    return static_cast<int>(reach - startScan);
}

}  // namespace

std::int64_t DibRowBytes(std::int64_t width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, std::span<const BYTE> bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
    DeviceContext* target = DeviceContext::From(dc);
    const std::optional<DibFormat> format = ReadFormat(info, usage);
    if (target == nullptr || !format || rop != SRCCOPY || !HoldsRows(bits, *format, format->rows)) {
        return 0;
    }
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0) {
        return 0;
    }
    std::vector<std::uint32_t> decoded;
    const gdi::PixelSource pixels = DecodeRows(bits, *format, format->rows, decoded);
    // Source rectangles of bottom-up pictures count from the bottom.
    const std::int64_t top = format->bottomUp ? std::int64_t{format->rows} - sourceY - sourceHeight
                                              : std::int64_t{sourceY};
    const gdi::TransferRect to{target->SurfaceX(x), target->SurfaceY(y), width, height};
    const gdi::TransferRect from{sourceX, top, sourceWidth, sourceHeight};
    gdi::TransferPixels(*target, to, pixels, from,
                        [](std::uint32_t& d, std::uint32_t s) { d = s; });
    // The count is the picture's height, whatever part of it was drawn.
    return SourceMeetsPicture(sourceX, sourceY, sourceWidth, sourceHeight, *format) ? format->rows
                                                                                    : 0;
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                      UINT startScan, UINT lineCount, std::span<const BYTE> bits,
                      const BITMAPINFO* info, UINT usage) {
    DeviceContext* target = DeviceContext::From(dc);
    const std::optional<DibFormat> format = ReadFormat(info, usage);
    if (target == nullptr || !format || width > INT32_MAX || height > INT32_MAX ||
        startScan >= static_cast<UINT>(format->rows)) {
        return 0;
    }
    const int lines =
        static_cast<int>(std::min<std::int64_t>(lineCount, std::int64_t{format->rows} - startScan));
    if (lines <= 0 || !HoldsRows(bits, *format, lines)) {
        return 0;
    }
    std::vector<std::uint32_t> decoded;
    const gdi::PixelSource band = DecodeRows(bits, *format, lines, decoded);
    // Scan lines and sourceY count from the picture's bottom whichever way its rows are stored:
    // destination row j shows scan line sourceY + height - 1 - j, and the band holds scan lines
    // startScan ... startScan + lines - 1, the highest first once decoded.
    const std::int64_t bandTop =
        std::int64_t{startScan} + lines - sourceY - static_cast<std::int64_t>(height);
    const gdi::TransferRect to{target->SurfaceX(x), target->SurfaceY(y),
                               static_cast<std::int64_t>(width), static_cast<std::int64_t>(height)};
    const gdi::TransferRect from{sourceX, bandTop, static_cast<std::int64_t>(width),
                                 static_cast<std::int64_t>(height)};
    gdi::TransferPixels(*target, to, band, from, [](std::uint32_t& d, std::uint32_t s) { d = s; });
    return ScanLinesSet(*format, sourceX, sourceY, static_cast<std::int64_t>(width),
                        static_cast<std::int64_t>(height), startScan, lineCount);
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT lineCount, std::span<BYTE> bits,
              BITMAPINFO* info, UINT usage) {
    const gdi::PixelBitmap* pixels = gdi::ObjectTable::Instance().Find<gdi::PixelBitmap>(bitmap);
    if (DeviceContext::From(dc) == nullptr || pixels == nullptr || info == nullptr ||
        usage != DIB_RGB_COLORS || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) {
        return 0;
    }
    BITMAPINFOHEADER& header = info->bmiHeader;
    if (bits.empty()) {
        header.biWidth = pixels->Width();
        header.biHeight = pixels->Height();
        header.biPlanes = 1;
        if (header.biBitCount == 0) {
            header.biBitCount = static_cast<WORD>(pixels->BitsPerPixel() == 24 ? 24 : 32);
        }
        header.biCompression = BI_RGB;
        header.biSizeImage =
            static_cast<DWORD>(DibRowBytes(pixels->Width(), header.biBitCount) * pixels->Height());
        return pixels->Height() > 0 ? pixels->Height() : 1;
    }
    const std::optional<DibFormat> format = ReadFormat(info, usage);
    if (!format || format->width != pixels->Width() || format->rows != pixels->Height() ||
        startScan >= static_cast<UINT>(format->rows)) {
        return 0;
    }
    const int lines =
        static_cast<int>(std::min<std::int64_t>(lineCount, std::int64_t{format->rows} - startScan));
    if (lines <= 0 || !HoldsRows(bits, *format, lines)) {
        return 0;
    }
    for (int r = 0; r < lines; ++r) {
        const int scan = static_cast<int>(startScan) + r;
        const int bitmapRow = format->bottomUp ? format->rows - 1 - scan : scan;
        EncodeRow(pixels->Row(bitmapRow), *format,
                  bits.data() + format->rowBytes * static_cast<std::size_t>(r));
    }
    return lines;
}

}  // namespace win
