#pragma once

// The drawing cases, written once against the API's names and built both for the system API and
// for ours. Each case draws on a canvas with a patterned background and records what it returned.

#include <algorithm>
#include <string>
#include <vector>

namespace gdi_reference {

inline std::string Args(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) {
        text += (text.empty() ? "" : ",") + std::to_string(v);
    }
    return text;
}

inline void AddRoundRectRegions(std::vector<Case>& cases) {
    struct Box {
        int left, top, right, bottom;
    };
    const Box boxes[] = {{0, 0, 5, 5},   {0, 0, 6, 6},   {0, 0, 7, 9},
                         {0, 0, 10, 10}, {0, 0, 16, 12}, {0, 0, 23, 23},
                         {3, 2, 43, 19}, {0, 0, 75, 23}, {0, 0, 106, 26}};
    for (const Box& b : boxes) {
        for (int e = 2; e <= 8; ++e) {
            cases.push_back(
                {"CreateRoundRectRgn(" + Args({b.left, b.top, b.right, b.bottom, e, e}) + ")", 0, 0,
                 Colours::Exact, [b, e](Canvas&, Record& record) {
                     HRGN region = CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, e, e);
                     record.Rects("region", region);
                     DeleteObject(region);
                 }});
        }
    }
    struct Odd {
        int right, bottom, ew, eh;
    };
    // Unequal corner axes, corners larger than the box, and a box given right to left.
    const Odd odd[] = {{20, 14, 2, 6}, {20, 14, 6, 2}, {20, 14, 3, 5},   {20, 14, 8, 4},
                       {20, 14, 4, 8}, {20, 14, 5, 7}, {5, 5, 9, 7},     {9, 6, 12, 12},
                       {20, 14, 0, 0}, {20, 14, 1, 1}, {20, 14, 20, 14}, {-20, 14, 4, 4},
                       {20, 14, 3, 8}};
    for (const Odd& o : odd) {
        cases.push_back({"CreateRoundRectRgn(" + Args({0, 0, o.right, o.bottom, o.ew, o.eh}) + ")",
                         0, 0, Colours::Exact, [o](Canvas&, Record& record) {
                             HRGN region = CreateRoundRectRgn(0, 0, o.right, o.bottom, o.ew, o.eh);
                             record.Rects("region", region);
                             DeleteObject(region);
                         }});
    }
}

// The reference walks each corner's ellipse until it has come in half the corner's width, so a
// corner ew x eh pixels (as clamped to the box) at least 2 (ew - 1)^2 pixels tall, or a 2-pixel-
// wide corner three or more rows tall, leaves its outermost rows unwritten there: the sweeps skip
// those shapes, and the flat-corner cases show them.
inline bool ReferenceWritesEveryRow(int ew, int eh) {
    return ew < 2 || eh < 3 || eh < 2 * (ew - 1) * (ew - 1);
}

// Every corner size, up to two past the box, on boxes of both parities: one line each.
inline void AddRoundRectSweeps(std::vector<Case>& cases) {
    const RECT boxes[] = {{0, 0, 20, 14}, {0, 0, 9, 6}, {1, 2, 32, 27}, {0, 0, 4, 4}};
    for (const RECT& b : boxes) {
        cases.push_back(
            {"CreateRoundRectRgn every corner in (" +
                 Args({int(b.left), int(b.top), int(b.right), int(b.bottom)}) + ")",
             0, 0, Colours::Exact, [b](Canvas&, Record& record) {
                 const int width = b.right - b.left - 1;  // the pixels covered
                 const int height = b.bottom - b.top - 1;
                 for (int ew = 0; ew <= width + 2; ++ew) {
                     for (int eh = 0; eh <= height + 2; ++eh) {
                         if (!ReferenceWritesEveryRow(std::min(ew, width), std::min(eh, height))) {
                             continue;
                         }
                         HRGN region = CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, ew, eh);
                         record.Rects(std::to_string(ew) + "x" + std::to_string(eh), region);
                         DeleteObject(region);
                     }
                 }
             }});
    }
    cases.push_back({"CreateEllipticRgn every size to 26 x 26", 0, 0, Colours::Exact,
                     [](Canvas&, Record& record) {
                         for (int w = 1; w <= 26; ++w) {
                             for (int h = 1; h <= 26; ++h) {
                                 if (!ReferenceWritesEveryRow(w - 1, h - 1)) {
                                     continue;
                                 }
                                 HRGN region = CreateEllipticRgn(1, 2, 1 + w, 2 + h);
                                 record.Rects(std::to_string(w) + "x" + std::to_string(h), region);
                                 DeleteObject(region);
                             }
                         }
                     }});
}

inline void AddEllipticRegions(std::vector<Case>& cases) {
    // The last two are flat: 2 and 3 pixels wide, tall enough to leave rows unwritten.
    const RECT boxes[] = {{0, 0, 5, 5},   {0, 0, 6, 6},   {0, 0, 7, 4}, {0, 0, 10, 10},
                          {2, 3, 19, 14}, {0, 0, 31, 12}, {0, 0, 3, 9}, {0, 0, 4, 12}};
    for (const RECT& b : boxes) {
        cases.push_back({"CreateEllipticRgn(" + Args({b.left, b.top, b.right, b.bottom}) + ")", 0,
                         0, Colours::Exact, [b](Canvas&, Record& record) {
                             HRGN region = CreateEllipticRgn(b.left, b.top, b.right, b.bottom);
                             record.Rects("region", region);
                             DeleteObject(region);
                         }});
    }
}

inline void AddRegionOperations(std::vector<Case>& cases) {
    const int modes[] = {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY};
    for (int mode : modes) {
        cases.push_back({"CombineRgn(mode " + std::to_string(mode) + ")", 0, 0, Colours::Exact,
                         [mode](Canvas&, Record& record) {
                             HRGN first = CreateEllipticRgn(0, 0, 15, 11);
                             HRGN second = CreateRectRgn(6, 4, 20, 16);
                             HRGN result = CreateRectRgn(0, 0, 0, 0);
                             record.Value("type", CombineRgn(result, first, second, mode));
                             record.Rects("result", result);
                             record.Value("empty", CombineRgn(result, first, first, RGN_DIFF));
                             record.Value("simple", CombineRgn(result, second, first,
                                                               RGN_DIFF == mode ? RGN_COPY : mode));
                             record.Rects("again", result);
                             DeleteObject(first);
                             DeleteObject(second);
                             DeleteObject(result);
                         }});
    }
    cases.push_back(
        {"OffsetRgn of a round rectangle", 0, 0, Colours::Exact, [](Canvas&, Record& record) {
             HRGN region = CreateRoundRectRgn(0, 0, 30, 12, 5, 5);
             record.Value("type", OffsetRgn(region, 7, -3));
             record.Rects("moved", region);
             RECT box{};
             record.Value("box type", GetRgnBox(region, &box));
             record.Rect("box", box);
             record.Value("corner in", PtInRegion(region, 7, -1) ? 1 : 0);
             record.Value("inside", PtInRegion(region, 9, -2) ? 1 : 0);
             DeleteObject(region);
         }});
    cases.push_back({"FillRgn", 24, 16, Colours::Exact, [](Canvas& canvas, Record& record) {
                         HRGN region = CreateRoundRectRgn(2, 1, 22, 15, 6, 6);
                         HBRUSH brush = CreateSolidBrush(RGB(200, 30, 70));
                         record.Value("result", FillRgn(canvas.Dc(), region, brush) ? 1 : 0);
                         DeleteObject(brush);
                         DeleteObject(region);
                     }});
    cases.push_back(
        {"clip to a region", 24, 16, Colours::Exact, [](Canvas& canvas, Record& record) {
             HRGN clip = CreateEllipticRgn(1, 1, 23, 15);
             HRGN hole = CreateRectRgn(8, 5, 14, 9);
             CombineRgn(clip, clip, hole, RGN_DIFF);
             record.Value("select", SelectClipRgn(canvas.Dc(), clip));
             RECT box{};
             record.Value("box type", GetClipBox(canvas.Dc(), &box));
             record.Rect("box", box);
             const RECT all{0, 0, 24, 16};
             HBRUSH brush = CreateSolidBrush(RGB(10, 220, 40));
             FillRect(canvas.Dc(), &all, brush);
             HPEN pen = CreatePen(PS_SOLID, 1, RGB(250, 250, 0));
             HGDIOBJ oldPen = SelectObject(canvas.Dc(), pen);
             MoveToEx(canvas.Dc(), 0, 8, nullptr);
             LineTo(canvas.Dc(), 24, 8);
             SelectObject(canvas.Dc(), oldPen);
             SelectClipRgn(canvas.Dc(), nullptr);
             DeleteObject(pen);
             DeleteObject(brush);
             DeleteObject(clip);
             DeleteObject(hole);
         }});
}

inline void AddFocusRects(std::vector<Case>& cases) {
    // Both parities of the top-right corner, and rectangles one or two pixels thin.
    const RECT rects[] = {{2, 2, 14, 10}, {3, 2, 14, 10}, {2, 3, 13, 11}, {2, 2, 13, 10},
                          {1, 1, 7, 6},   {1, 1, 2, 9},   {1, 4, 15, 5},  {4, 3, 6, 5},
                          {5, 2, 6, 3},   {2, 5, 10, 7},  {3, 1, 5, 11},  {0, 0, 16, 12}};
    for (const RECT& r : rects) {
        cases.push_back({"DrawFocusRect(" + Args({r.left, r.top, r.right, r.bottom}) + ")", 16, 12,
                         Colours::Exact, [r](Canvas& canvas, Record& record) {
                             record.Value("result", DrawFocusRect(canvas.Dc(), &r) ? 1 : 0);
                         }});
    }
    cases.push_back({"DrawFocusRect twice", 16, 12, Colours::Exact, [](Canvas& canvas, Record&) {
                         const RECT r{1, 2, 13, 9};
                         DrawFocusRect(canvas.Dc(), &r);
                         DrawFocusRect(canvas.Dc(), &r);
                     }});
    cases.push_back(
        {"DrawFocusRect with a moved origin", 16, 12, Colours::Exact, [](Canvas& canvas, Record&) {
             SetViewportOrgEx(canvas.Dc(), 3, 2, nullptr);
             const RECT r{0, 0, 9, 7};
             DrawFocusRect(canvas.Dc(), &r);
             SetViewportOrgEx(canvas.Dc(), 0, 0, nullptr);
         }});
}

inline void AddLines(std::vector<Case>& cases) {
    struct Line {
        int x0, y0, x1, y1;
    };
    const Line lines[] = {{1, 1, 14, 1},  {14, 2, 1, 2},  {1, 3, 1, 11}, {3, 11, 3, 4},
                          {2, 2, 12, 9},  {12, 10, 2, 3}, {4, 1, 7, 11}, {13, 11, 9, 0},
                          {0, 0, 15, 11}, {15, 0, 0, 11}, {5, 5, 5, 5},  {2, 9, 14, 7}};
    for (const Line& l : lines) {
        cases.push_back({"LineTo(" + Args({l.x0, l.y0, l.x1, l.y1}) + ")", 16, 12, Colours::Exact,
                         [l](Canvas& canvas, Record& record) {
                             HPEN pen = CreatePen(PS_SOLID, 1, RGB(20, 40, 240));
                             HGDIOBJ old = SelectObject(canvas.Dc(), pen);
                             MoveToEx(canvas.Dc(), l.x0, l.y0, nullptr);
                             record.Value("result", LineTo(canvas.Dc(), l.x1, l.y1) ? 1 : 0);
                             POINT at{};
                             GetCurrentPositionEx(canvas.Dc(), &at);
                             record.Value("x", at.x);
                             record.Value("y", at.y);
                             SelectObject(canvas.Dc(), old);
                             DeleteObject(pen);
                         }});
    }
    cases.push_back(
        {"Polyline", 16, 12, Colours::Exact, [](Canvas& canvas, Record&) {
             const POINT points[] = {{1, 1}, {14, 1}, {14, 10}, {1, 10}, {1, 2}, {9, 6}};
             HPEN pen = CreatePen(PS_SOLID, 1, RGB(240, 40, 20));
             HGDIOBJ old = SelectObject(canvas.Dc(), pen);
             Polyline(canvas.Dc(), points, 6);
             SelectObject(canvas.Dc(), old);
             DeleteObject(pen);
         }});
}

inline void AddFills(std::vector<Case>& cases) {
    cases.push_back({"FillRect", 16, 12, Colours::Exact, [](Canvas& canvas, Record& record) {
                         HBRUSH brush = CreateSolidBrush(RGB(90, 200, 10));
                         const RECT r{2, 3, 11, 9};
                         record.Value("result", FillRect(canvas.Dc(), &r, brush) ? 1 : 0);
                         const RECT backwards{14, 11, 12, 9};
                         FillRect(canvas.Dc(), &backwards, brush);
                         DeleteObject(brush);
                     }});
    cases.push_back(
        {"FrameRect", 16, 12, Colours::Exact, [](Canvas& canvas, Record&) {
             HBRUSH brush = CreateSolidBrush(RGB(255, 0, 128));
             const RECT rects[] = {{1, 1, 10, 8}, {11, 2, 12, 10}, {12, 3, 15, 4}, {13, 6, 15, 9}};
             for (const RECT& r : rects) {
                 FrameRect(canvas.Dc(), &r, brush);
             }
             DeleteObject(brush);
         }});
    cases.push_back({"InvertRect", 16, 12, Colours::Exact, [](Canvas& canvas, Record&) {
                         const RECT r{3, 2, 12, 10};
                         InvertRect(canvas.Dc(), &r);
                         const RECT again{5, 4, 8, 6};
                         InvertRect(canvas.Dc(), &again);
                     }});
    struct Box {
        int left, top, right, bottom;
        bool hollow;
    };
    const Box boxes[] = {{1, 1, 12, 9, false},
                         {2, 2, 14, 11, true},
                         {4, 4, 6, 6, false},
                         {5, 5, 6, 7, false},
                         {13, 10, 3, 2, false}};
    for (const Box& b : boxes) {
        cases.push_back({std::string("Rectangle(") + Args({b.left, b.top, b.right, b.bottom}) +
                             ")" + (b.hollow ? " hollow" : ""),
                         16, 12, Colours::Exact, [b](Canvas& canvas, Record& record) {
                             HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 160));
                             HBRUSH brush = b.hollow ? StockBrush(NULL_BRUSH)
                                                     : CreateSolidBrush(RGB(230, 230, 0));
                             HGDIOBJ oldPen = SelectObject(canvas.Dc(), pen);
                             HGDIOBJ oldBrush = SelectObject(canvas.Dc(), brush);
                             record.Value(
                                 "result",
                                 Rectangle(canvas.Dc(), b.left, b.top, b.right, b.bottom) ? 1 : 0);
                             SelectObject(canvas.Dc(), oldPen);
                             SelectObject(canvas.Dc(), oldBrush);
                             DeleteObject(pen);
                             DeleteObject(brush);
                         }});
    }
    const DWORD rops[] = {PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS, PATPAINT};
    for (DWORD rop : rops) {
        cases.push_back({"PatBlt(rop " + std::to_string(rop) + ")", 16, 12, Colours::Exact,
                         [rop](Canvas& canvas, Record& record) {
                             HBRUSH brush = CreateSolidBrush(RGB(0x35, 0xC8, 0x81));
                             HGDIOBJ old = SelectObject(canvas.Dc(), brush);
                             record.Value("result", PatBlt(canvas.Dc(), 2, 3, 9, 6, rop) ? 1 : 0);
                             PatBlt(canvas.Dc(), 14, 10, -3, -2, rop);
                             SelectObject(canvas.Dc(), old);
                             DeleteObject(brush);
                         }});
    }
}

inline void AddPixels(std::vector<Case>& cases) {
    cases.push_back({"SetPixel GetPixel GetNearestColor", 8, 6, Colours::Exact,
                     [](Canvas& canvas, Record& record) {
                         record.Value("set", SetPixel(canvas.Dc(), 2, 3, RGB(1, 2, 3)));
                         record.Value("set outside", SetPixel(canvas.Dc(), 8, 3, RGB(1, 2, 3)));
                         record.Value("get", GetPixel(canvas.Dc(), 2, 3));
                         record.Value("get background", GetPixel(canvas.Dc(), 5, 1));
                         record.Value("get outside", GetPixel(canvas.Dc(), -1, 0));
                         record.Value("nearest", GetNearestColor(canvas.Dc(), RGB(17, 130, 251)));
                     }});
}

// A source canvas whose pixels all differ from the background's.
inline std::uint32_t SourcePixel(int x, int y) {
    return (static_cast<std::uint32_t>(40 + x * 13) << 16) |
           (static_cast<std::uint32_t>(200 - y * 9) << 8) |
           static_cast<std::uint32_t>((x * y * 5) & 0xFF);
}

inline void AddBlits(std::vector<Case>& cases) {
    const DWORD rops[] = {SRCCOPY, SRCINVERT, SRCAND, SRCPAINT, NOTSRCCOPY, MERGECOPY};
    for (DWORD rop : rops) {
        cases.push_back({"BitBlt(rop " + std::to_string(rop) + ")", 16, 12, Colours::Exact,
                         [rop](Canvas& canvas, Record& record) {
                             Canvas source(10, 8, SourcePixel);
                             HBRUSH brush = CreateSolidBrush(RGB(0x0F, 0xF0, 0x3C));
                             HGDIOBJ old = SelectObject(canvas.Dc(), brush);
                             record.Value(
                                 "result",
                                 BitBlt(canvas.Dc(), 3, 2, 10, 8, source.Dc(), 0, 0, rop) ? 1 : 0);
                             BitBlt(canvas.Dc(), -2, 9, 6, 6, source.Dc(), 5, 4, rop);
                             SelectObject(canvas.Dc(), old);
                             DeleteObject(brush);
                         }});
    }
    struct Stretch {
        int w, h, sx, sy, sw, sh, mode;
    };
    const Stretch stretches[] = {
        {16, 12, 0, 0, 8, 6, COLORONCOLOR}, {15, 11, 1, 1, 4, 5, COLORONCOLOR},
        {13, 7, 0, 0, 5, 3, COLORONCOLOR},  {5, 3, 0, 0, 10, 8, COLORONCOLOR},
        {7, 5, 1, 0, 9, 8, COLORONCOLOR},   {3, 8, 0, 0, 10, 3, COLORONCOLOR},
        {16, 12, 0, 0, 8, 6, BLACKONWHITE}, {5, 3, 0, 0, 10, 8, BLACKONWHITE},
        {7, 5, 1, 0, 9, 8, BLACKONWHITE},   {3, 8, 0, 0, 10, 3, BLACKONWHITE},
        {12, 3, 0, 0, 6, 8, BLACKONWHITE},  {4, 4, 0, 0, 10, 8, WHITEONBLACK},
        {7, 5, 1, 0, 9, 8, WHITEONBLACK},   {3, 8, 0, 0, 10, 3, WHITEONBLACK},
        {5, 3, 0, 0, 10, 8, HALFTONE}};
    for (const Stretch& s : stretches) {
        cases.push_back({"StretchBlt(" + Args({s.w, s.h, s.sx, s.sy, s.sw, s.sh}) + " mode " +
                             std::to_string(s.mode) + ")",
                         16, 12, Colours::Exact, [s](Canvas& canvas, Record& record) {
                             Canvas source(10, 8, SourcePixel);
                             SetStretchBltMode(canvas.Dc(), s.mode);
                             record.Value("result",
                                          StretchBlt(canvas.Dc(), 0, 0, s.w, s.h, source.Dc(), s.sx,
                                                     s.sy, s.sw, s.sh, SRCCOPY)
                                              ? 1
                                              : 0);
                         }});
    }
    // A new DC shrinks in its own stretch mode; AlphaBlend keeps to plain sampling whatever the
    // mode.
    cases.push_back({"StretchBlt and AlphaBlend shrinking in a new DC's mode", 16, 12,
                     Colours::Exact, [](Canvas& canvas, Record& record) {
                         Canvas source(10, 8, SourcePixel);
                         record.Value("mode", GetStretchBltMode(canvas.Dc()));
                         StretchBlt(canvas.Dc(), 0, 0, 5, 3, source.Dc(), 0, 0, 10, 8, SRCCOPY);
                         const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, 0};
                         AlphaBlend(canvas.Dc(), 6, 4, 4, 3, source.Dc(), 0, 0, 10, 8, blend);
                         SetStretchBltMode(canvas.Dc(), WHITEONBLACK);
                         AlphaBlend(canvas.Dc(), 11, 8, 3, 3, source.Dc(), 1, 0, 9, 8, blend);
                     }});
    const int alphas[] = {0, 1, 77, 128, 254, 255};
    for (int alpha : alphas) {
        cases.push_back({"AlphaBlend(constant " + std::to_string(alpha) + ")", 16, 12,
                         Colours::Exact, [alpha](Canvas& canvas, Record& record) {
                             Canvas source(10, 8, SourcePixel);
                             const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
                             record.Value("result", AlphaBlend(canvas.Dc(), 2, 1, 10, 8,
                                                               source.Dc(), 0, 0, 10, 8, blend)
                                                        ? 1
                                                        : 0);
                             AlphaBlend(canvas.Dc(), 12, 9, 4, 3, source.Dc(), 0, 0, 4, 3, blend);
                         }});
    }
}

// A negative height makes the picture top-down.
inline BITMAPINFO DibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Bottom-up rows: the first row in memory is the picture's last.
inline std::vector<std::uint32_t> DibBits(int width, int height) {
    std::vector<std::uint32_t> bits;
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            bits.push_back(SourcePixel(x, row));
        }
    }
    return bits;
}

inline void AddDibs(std::vector<Case>& cases) {
    struct Stretch {
        int x, y, w, h, sx, sy, sw, sh;
    };
    const Stretch stretches[] = {{1, 1, 10, 8, 0, 0, 10, 8},
                                 {0, 0, 16, 12, 2, 1, 6, 5},
                                 {3, 2, 4, 3, 0, 0, 10, 8},
                                 {2, 0, 9, 11, 0, 5, 10, 3}};
    for (const Stretch& s : stretches) {
        cases.push_back(
            {"StretchDIBits(" + Args({s.x, s.y, s.w, s.h, s.sx, s.sy, s.sw, s.sh}) + ")", 16, 12,
             Colours::Exact, [s](Canvas& canvas, Record& record) {
                 SetStretchBltMode(canvas.Dc(), COLORONCOLOR);
                 const BITMAPINFO info = DibInfo(10, 8);
                 record.Value("lines", PutDibStretched(canvas.Dc(), s.x, s.y, s.w, s.h, s.sx, s.sy,
                                                       s.sw, s.sh, DibBits(10, 8), info, SRCCOPY));
             }});
    }
    cases.push_back({"StretchDIBits shrinking in a new DC's mode", 16, 12, Colours::Exact,
                     [](Canvas& canvas, Record& record) {
                         const BITMAPINFO info = DibInfo(10, 8);
                         record.Value("lines", PutDibStretched(canvas.Dc(), 1, 2, 4, 3, 0, 0, 10, 8,
                                                               DibBits(10, 8), info, SRCCOPY));
                     }});
    struct Direct {
        int x, y, w, h, sx, sy, start, lines;
    };
    const Direct directs[] = {{1, 1, 10, 8, 0, 0, 0, 8},
                              {3, 2, 6, 4, 2, 1, 0, 8},
                              {0, 0, 10, 8, 0, 0, 2, 4},
                              {-2, 5, 10, 8, 0, 0, 0, 8}};
    for (const Direct& d : directs) {
        cases.push_back(
            {"SetDIBitsToDevice(" + Args({d.x, d.y, d.w, d.h, d.sx, d.sy, d.start, d.lines}) + ")",
             16, 12, Colours::Exact, [d](Canvas& canvas, Record& record) {
                 const BITMAPINFO info = DibInfo(10, 8);
                 record.Value("lines", PutDibToDevice(canvas.Dc(), d.x, d.y, d.w, d.h, d.sx, d.sy,
                                                      d.start, d.lines, DibBits(10, 8), info));
             }});
    }
}

// What SetDIBitsToDevice reports over source rows, bands and band lengths, for both row orders.
// A top-down band reaching past the picture is left out: the reference's count for it varies
// from run to run.
inline void AddDibLineCounts(std::vector<Case>& cases) {
    for (const int rows : {8, -8}) {
        cases.push_back(
            {std::string("SetDIBitsToDevice line counts, ") + (rows > 0 ? "bottom-up" : "top-down"),
             16, 12, Colours::Exact, [rows](Canvas& canvas, Record& record) {
                 const BITMAPINFO info = DibInfo(10, rows);
                 const std::vector<std::uint32_t> bits = DibBits(10, 12);
                 for (const int height : {1, 3, 8, 10}) {
                     for (const int sourceY : {-1, 0, 1, 3, 7, 8}) {
                         for (const int start : {0, 2, 5, 7, 8}) {
                             for (const int lines : {0, 1, 3, 8, 12}) {
                                 if (rows < 0 && start + lines > 8) {
                                     continue;
                                 }
                                 record.Value(Args({height, sourceY, start, lines}),
                                              PutDibToDevice(canvas.Dc(), 0, 0, 10, height, 0,
                                                             sourceY, start, lines, bits, info));
                             }
                         }
                     }
                 }
             }});
    }
    // Sources partly or wholly outside the picture, destinations outside the canvas, and
    // mirrored rectangles.
    struct Place {
        int x, y, w, h, sx, sy, sw, sh;
    };
    const Place places[] = {
        {0, 0, 7, 5, 12, 0, 10, 8},  {0, 0, 7, 5, 9, 0, 10, 8},   {30, 0, 7, 5, 0, 0, 10, 8},
        {-10, 0, 7, 5, 0, 0, 10, 8}, {0, 0, 7, 5, -10, 0, 10, 8}, {0, 0, 7, 5, -10, 0, 11, 8},
        {0, 0, 7, 5, 0, -8, 10, 8},  {0, 0, 7, 5, 0, -7, 10, 8},  {0, 0, 7, 5, 0, 8, 10, 8},
        {0, 0, 7, 5, 0, 7, 10, 8},   {0, 0, -7, 5, 0, 0, 10, 8},  {0, 0, 7, 5, 0, 0, -10, 8},
        {0, 0, 7, 5, 0, 0, 10, -8},  {0, 0, 7, 5, 3, 2, -10, -8}};
    for (const int rows : {8, -8}) {
        cases.push_back(
            {std::string("DIB line counts with sources outside the picture, ") +
                 (rows > 0 ? "bottom-up" : "top-down"),
             16, 12, Colours::Exact, [rows, places](Canvas& canvas, Record& record) {
                 const BITMAPINFO info = DibInfo(10, rows);
                 const std::vector<std::uint32_t> bits = DibBits(10, 8);
                 SetStretchBltMode(canvas.Dc(), COLORONCOLOR);
                 for (const Place& p : places) {
                     const std::string where = Args({p.x, p.y, p.w, p.h, p.sx, p.sy, p.sw, p.sh});
                     record.Value("stretched " + where,
                                  PutDibStretched(canvas.Dc(), p.x, p.y, p.w, p.h, p.sx, p.sy, p.sw,
                                                  p.sh, bits, info, SRCCOPY));
                     record.Value("direct " + where,
                                  PutDibToDevice(canvas.Dc(), p.x, p.y, std::max(p.w, 0), p.h, p.sx,
                                                 p.sy, 0, 8, bits, info));
                 }
             }});
    }
}

inline void AddEdges(std::vector<Case>& cases) {
    const UINT edges[] = {EDGE_RAISED,     EDGE_SUNKEN,     EDGE_ETCHED,     EDGE_BUMP,
                          BDR_RAISEDOUTER, BDR_SUNKENOUTER, BDR_RAISEDINNER, BDR_SUNKENINNER,
                          BDR_OUTER,       BDR_INNER};
    const UINT flags[] = {BF_RECT,
                          BF_RECT | BF_MIDDLE,
                          BF_RECT | BF_ADJUST,
                          BF_RECT | BF_FLAT,
                          BF_RECT | BF_MONO,
                          BF_TOP,
                          BF_LEFT,
                          BF_RIGHT,
                          BF_BOTTOM,
                          BF_TOPLEFT,
                          BF_BOTTOMRIGHT,
                          BF_TOP | BF_ADJUST};
    for (UINT edge : edges) {
        for (UINT flag : flags) {
            cases.push_back(
                {"DrawEdge(edge " + std::to_string(edge) + " flags " + std::to_string(flag) + ")",
                 14, 10, Colours::System, [edge, flag](Canvas& canvas, Record& record) {
                     RECT r{1, 1, 13, 9};
                     record.Value("result", DrawEdge(canvas.Dc(), &r, edge, flag) ? 1 : 0);
                     record.Rect("after", r);
                 }});
        }
    }
    cases.push_back({"DrawEdge on a thin rectangle", 14, 10, Colours::System,
                     [](Canvas& canvas, Record& record) {
                         RECT r{2, 2, 5, 9};
                         DrawEdge(canvas.Dc(), &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
                         record.Rect("after", r);
                         RECT line{6, 4, 13, 6};
                         DrawEdge(canvas.Dc(), &line, EDGE_ETCHED, BF_TOP);
                     }});
}

inline std::vector<Case> ReferenceCases() {
    std::vector<Case> cases;
    AddRoundRectRegions(cases);
    AddRoundRectSweeps(cases);
    AddEllipticRegions(cases);
    AddRegionOperations(cases);
    AddFocusRects(cases);
    AddLines(cases);
    AddFills(cases);
    AddPixels(cases);
    AddBlits(cases);
    AddDibs(cases);
    AddDibLineCounts(cases);
    AddEdges(cases);
    return cases;
}

}  // namespace gdi_reference
