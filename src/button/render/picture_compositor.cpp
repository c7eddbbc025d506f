#include "button/render/picture_compositor.h"

#include <span>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/numeric/round_half_even.h"
#include "platform/user/icon_drawing.h"

namespace quellan {

namespace {

constexpr win::COLORREF kNoColour = win::CLR_INVALID;

// A block of device-independent pixels, bottom-up rows padded to 4 bytes.
struct PixelBlock {
    win::BITMAPINFO info{};
    std::vector<win::BYTE> bytes;
    std::size_t rowBytes = 0;

    PixelBlock(int w, int h, int bitsPerPixel) {
        info.bmiHeader.biSize = 40;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<win::WORD>(bitsPerPixel);
        info.bmiHeader.biCompression = win::BI_RGB;
        rowBytes = static_cast<std::size_t>(win::DibRowBytes(w, bitsPerPixel));
        bytes.resize(rowBytes * static_cast<std::size_t>(h));
    }
    bool ReadFrom(win::HDC dc, win::HBITMAP bitmap, int h) {
        return win::GetDIBits(dc, bitmap, 0, static_cast<win::UINT>(h), bytes, &info,
                              win::DIB_RGB_COLORS) == h;
    }
    win::BYTE* Row(int row) { return bytes.data() + rowBytes * static_cast<std::size_t>(row); }
};

// A memory copy of the surface block at (x, y).
bool ReadSurface(win::HDC surface, int x, int y, int w, int h, PixelBlock& block) {
    const win::HDC copyDc = win::CreateCompatibleDC(surface);
    const win::HBITMAP copy = win::CreateCompatibleBitmap(surface, w, h);
    const win::HBITMAP previous = win::SelectObject(copyDc, copy);
    win::BitBlt(copyDc, 0, 0, w, h, surface, x, y, win::SRCCOPY);
    win::SelectObject(copyDc, previous);
    const bool read = block.ReadFrom(copyDc, copy, h);
    win::DeleteObject(copy);
    win::DeleteDC(copyDc);
    return read;
}

// The picture's own pixels; an icon drawn onto the mask colour first.
bool ReadPicture(win::HDC surface, const PictureSource& picture, win::COLORREF mask, int w, int h,
                 PixelBlock& block) {
    const win::HDC pictureDc = win::CreateCompatibleDC(surface);
    bool read = false;
    if (!picture.icon) {
        read = block.ReadFrom(pictureDc, picture.bitmap, h);
    } else {
        const win::HBITMAP canvas = win::CreateCompatibleBitmap(surface, w, h);
        const win::HBITMAP previous = win::SelectObject(pictureDc, canvas);
        const win::HBRUSH background = win::CreateSolidBrush(mask);
        win::DrawIconEx(pictureDc, 0, 0, picture.bitmap, w, h, 0, background, win::DI_NORMAL);
        win::DeleteObject(background);
        win::SelectObject(pictureDc, previous);
        read = block.ReadFrom(pictureDc, canvas, h);
        win::DeleteObject(canvas);
    }
    win::DeleteDC(pictureDc);
    return read;
}

void WriteSurface(win::HDC surface, int x, int y, int w, int h, const PixelBlock& block) {
    win::SetDIBitsToDevice(surface, x, y, static_cast<win::DWORD>(w), static_cast<win::DWORD>(h), 0,
                           0, 0, static_cast<win::UINT>(h), block.bytes, &block.info,
                           win::DIB_RGB_COLORS);
}

int Blend(int over, int under, int f) {
    return (over * f + under * (255 - f)) / 256;
}

std::uint8_t GreyLevel(int red, int green, int blue) {
    const double roundedRed = static_cast<double>(numeric::RoundHalfEven(0.3 * red).value_or(0));
    return static_cast<std::uint8_t>(
        numeric::RoundHalfEven(0.59 * green + roundedRed + 0.11 * blue).value_or(0));
}

// One pixel (blue, green, red at `src` and `dst`) at effective opacity f, 0 < f <= 255.
void ComposePixel(const win::BYTE* src, win::BYTE* dst, int f, win::COLORREF colour,
                  const BlendSettings& settings) {
    if (colour != kNoColour) {
        const int channels[3] = {static_cast<int>(win::GetBValue(colour)),
                                 static_cast<int>(win::GetGValue(colour)),
                                 static_cast<int>(win::GetRValue(colour))};
        for (int i = 0; i < 3; ++i) {
            dst[i] = static_cast<win::BYTE>(f == 255 ? channels[i] : Blend(channels[i], dst[i], f));
        }
        return;
    }
    if (settings.greyscale) {
        const int grey = GreyLevel(src[2], src[1], src[0]);
        for (int i = 0; i < 3; ++i) {
            dst[i] =
                static_cast<win::BYTE>(f == 255 ? grey : (dst[i] * (255 - f) + f * grey) / 256);
        }
        return;
    }
    for (int i = 0; i < 3; ++i) {
        const int source = settings.effect != nullptr ? (*settings.effect)[src[i]] : src[i];
        dst[i] = static_cast<win::BYTE>(f == 255 ? source : Blend(source, dst[i], f));
    }
}

}  // namespace

void BlendPicture24(win::HDC surface, int x, int y, int w, int h, const PictureSource& picture,
                    win::COLORREF mask, bool useMask, win::COLORREF colour,
                    const BlendSettings& settings) {
    if (w <= 0 || h <= 0 || !picture.bitmap || settings.opacity == 0) {
        return;
    }
    PixelBlock destination(w, h, 24);
    PixelBlock source(w, h, 24);
    if (!ReadSurface(surface, x, y, w, h, destination) ||
        !ReadPicture(surface, picture, mask, w, h, source)) {
        return;
    }
    if (!useMask) {
        mask = kNoColour;
    }
    const int f = settings.opacity;
    for (int row = 0; row < h; ++row) {
        const win::BYTE* src = source.Row(row);
        win::BYTE* dst = destination.Row(row);
        for (int column = 0; column < w; ++column, src += 3, dst += 3) {
            const win::COLORREF pixel = win::RGB(src[2], src[1], src[0]);
            if (win::GetNearestColor(surface, pixel) == mask) {
                continue;
            }
            ComposePixel(src, dst, f, colour, settings);
        }
    }
    WriteSurface(surface, x, y, w, h, destination);
}

void BlendPicture32(win::HDC surface, int x, int y, int w, int h, win::HBITMAP picture,
                    win::COLORREF colour, const BlendSettings& settings) {
    if (w <= 0 || h <= 0 || !picture || settings.opacity == 0) {
        return;
    }
    PixelBlock destination(w, h, 32);
    PixelBlock source(w, h, 32);
    const win::HDC pictureDc = win::CreateCompatibleDC(surface);
    const bool pictureRead = source.ReadFrom(pictureDc, picture, h);
    win::DeleteDC(pictureDc);
    if (!pictureRead || !ReadSurface(surface, x, y, w, h, destination)) {
        return;
    }
    const int f = settings.opacity;
    const bool straightCopy =
        f == 255 && settings.effect == nullptr && !settings.greyscale && colour == kNoColour;
    for (int row = 0; row < h; ++row) {
        const win::BYTE* src = source.Row(row);
        win::BYTE* dst = destination.Row(row);
        for (int column = 0; column < w; ++column, src += 4, dst += 4) {
            const int g = src[3] * f / 255;
            if (g == 0) {
                continue;
            }
            if (straightCopy) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
                dst[3] = src[3];
                continue;
            }
            ComposePixel(src, dst, g, colour, settings);
        }
    }
    WriteSurface(surface, x, y, w, h, destination);
}

}  // namespace quellan
