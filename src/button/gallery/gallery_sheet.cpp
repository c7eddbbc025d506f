#include "button/gallery/gallery_sheet.h"

#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "button/gallery/gallery_button.h"
#include "button/render/redraw_button.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/png/bitmap_png.h"
#include "platform/user/user.h"

namespace quellan::gallery {

namespace {

constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 25;
constexpr int kGap = 10;
constexpr int kLabelWidth = 150;
constexpr int kHeaderHeight = 26;
constexpr int kRowHeight = kButtonHeight + kGap;
constexpr int kColumnWidth = kButtonWidth + kGap;

struct Column {
    const char* title;
    std::function<void(GalleryButton&)> set;
};

const std::array kStyleNames = {
    "0 Standard",         "1 Flat",           "2 RoundedGradient", "3 BlueGradient",
    "4 ToolbarHighlight", "5 AmberHighlight", "6 SoftPanel",       "7 SteelFrame",
    "8 OrangeGloss",      "9 WhiteGloss",     "10 SoftGloss",      "11 FlatHotEdge",
    "12 FlatThinEdge",    "13 SystemTheme",
};

const std::array kEffectNames = {"Embossed", "Engraved", "Shadow", "Raised", "Outline"};

// A 16 x 16 icon: a green disc with a soft edge on a transparent square.
win::forms::PictureRef DiscIcon() {
    win::png::PngImage image;
    image.width = 16;
    image.height = 16;
    image.bitsPerPixel = 32;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const double distance = std::hypot(x - 7.5, y - 7.5);
            const double cover = std::clamp(7.0 - distance, 0.0, 1.0);
            const auto alpha = static_cast<std::uint32_t>(std::lround(cover * 255));
            const std::uint32_t shade = static_cast<std::uint32_t>(150 + 6 * (15 - y));
            image.pixels.push_back(alpha << 24 | 0x20u << 16 | shade << 8 | 0x40u);
        }
    }
    return win::forms::StdPicture::FromImage(image, win::forms::PictureType::Icon);
}

std::vector<Column> Columns(const win::forms::PictureRef& icon) {
    return {
        {"normal", [](GalleryButton&) {}},
        {"hot", [](GalleryButton& b) { b.drawState = StateHot; }},
        {"down", [](GalleryButton& b) { b.drawState = StateDown; }},
        {"disabled", [](GalleryButton& b) { b.enabled = false; }},
        {"checked",
         [](GalleryButton& b) {
             b.mode = ModeCheck;
             b.value = true;
         }},
        {"focused",
         [](GalleryButton& b) {
             b.hasFocus = true;
             b.showFocusRect = true;
         }},
        {"picture", [icon](GalleryButton& b) { b.picture = icon; }},
        {"picture, hot",
         [icon](GalleryButton& b) {
             b.picture = icon;
             b.drawState = StateHot;
         }},
        {"drop-down",
         [](GalleryButton& b) {
             b.dropDownSymbol = 6;
             b.dropDownSeparator = true;
             b.caption = "Menu";
         }},
    };
}

void Label(win::HDC dc, const char* text, int x, int y, int width, win::UINT align) {
    win::RECT box{x, y, x + width, y + kButtonHeight};
    win::DrawText(dc, text, -1, &box, align | win::DT_VCENTER | win::DT_SINGLELINE);
}

}  // namespace

std::string DrawGallery(const std::filesystem::path& out) {
    win::WNDCLASS windowClass;
    windowClass.lpfnWndProc = &win::DefWindowProc;
    windowClass.lpszClassName = "QuellanGalleryCell";
    win::RegisterClass(windowClass);
    const win::HWND cell = win::CreateWindowEx(0, "QuellanGalleryCell", "", win::WS_POPUP, 0, 0,
                                               kButtonWidth, kButtonHeight, nullptr);

    win::LOGFONT tahoma;
    tahoma.lfHeight = -11;  // 8.25 points
    tahoma.lfFaceName = "Tahoma";
    const win::HFONT font = win::CreateFontIndirect(&tahoma);

    const win::forms::PictureRef icon = DiscIcon();
    const std::vector<Column> columns = Columns(icon);
    const int rows = static_cast<int>(kStyleNames.size()) + 1;
    const int width = kLabelWidth + kColumnWidth * static_cast<int>(columns.size()) + kGap;
    const int height = kHeaderHeight + kRowHeight * rows + kGap;

    const win::HDC sheet = win::CreateCompatibleDC(win::HDC());
    const win::HBITMAP sheetBitmap = win::CreateCompatibleBitmap(sheet, width, height);
    const win::HBITMAP previousBitmap = win::SelectObject(sheet, sheetBitmap);
    const win::HFONT previousFont = win::SelectObject(sheet, font);
    const win::RECT all{0, 0, width, height};
    win::FillRect(sheet, &all, win::HBRUSH(win::GetStockObject(win::WHITE_BRUSH)));
    win::SetBkMode(sheet, win::TRANSPARENT);

    std::string failure;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        Label(sheet, columns[c].title, kLabelWidth + kColumnWidth * static_cast<int>(c), 0,
              kButtonWidth, win::DT_CENTER);
    }
    auto place = [&](GalleryButton& button, int row, int column, const std::string& what) {
        RedrawButton(button);
        button.CopyTo(sheet, kLabelWidth + kColumnWidth * column, kHeaderHeight + kRowHeight * row);
        if (!button.ShowsAnything() && failure.empty()) {
            failure = "nothing drawn for " + what;
        }
    };
    for (std::size_t style = 0; style < kStyleNames.size(); ++style) {
        const int row = static_cast<int>(style);
        Label(sheet, kStyleNames[style], kGap, kHeaderHeight + kRowHeight * row, kLabelWidth,
              win::DT_LEFT);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            GalleryButton button(cell, kButtonWidth, kButtonHeight, font);
            button.buttonStyle = static_cast<std::int32_t>(style);
            ApplyGalleryColours(button, button.buttonStyle);
            button.themeInUse = win::IsAppThemed();
            button.caption = "Button";
            columns[c].set(button);
            place(button, row, static_cast<int>(c),
                  std::string(kStyleNames[style]) + " " + columns[c].title);
        }
    }
    const int effectsRow = static_cast<int>(kStyleNames.size());
    Label(sheet, "caption effects", kGap, kHeaderHeight + kRowHeight * effectsRow, kLabelWidth,
          win::DT_LEFT);
    for (int effect = CaptionEffectEmbossed; effect <= CaptionEffectOutline; ++effect) {
        GalleryButton button(cell, kButtonWidth, kButtonHeight, font);
        button.buttonStyle = StyleOrangeGloss;
        ApplyGalleryColours(button, StyleOrangeGloss);
        button.captionEffects = effect;
        button.caption = kEffectNames[static_cast<std::size_t>(effect - 1)];
        place(button, effectsRow, effect - 1, button.caption);
    }

    std::string error;
    if (!win::png::SaveBitmapPng(sheetBitmap, out, win::png::PngAlpha::Drop, &error) &&
        failure.empty()) {
        failure = "cannot write " + out.string() + ": " + error;
    }
    win::SelectObject(sheet, previousFont);
    win::SelectObject(sheet, previousBitmap);
    win::DeleteObject(sheetBitmap);
    win::DeleteDC(sheet);
    win::DeleteObject(font);
    win::DestroyWindow(cell);
    win::UnregisterClass("QuellanGalleryCell");
    return failure;
}

}  // namespace quellan::gallery
