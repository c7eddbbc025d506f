#pragma once

// What one drawing case leaves behind, as text lines that two builds of the same cases can compare:
// the canvas pixels, region rectangles and returned values. Included after a header that supplies
// the drawing interface (the names below are the API's own) and `Canvas`, `RegionRects`.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace gdi_reference {

// Pixels are compared by value, or, where the drawing takes system colours (whose values differ
// between the two builds), by which system colours they could be.
enum class Colours { Exact, System };

class Record {
public:
    void Value(const std::string& what, long long value) {
        lines_.push_back("value " + what + " " + std::to_string(value));
    }
    void Rect(const std::string& what, const RECT& rect) {
        lines_.push_back("rect " + what + " " + RectText(rect));
    }
    // A region as the rectangles of its pixel rows, rows with the same runs joined, so that two
    // implementations splitting the same pixels into bands differently still agree.
    void Rects(const std::string& what, HRGN region) {
        std::map<LONG, std::vector<std::pair<LONG, LONG>>> rows;
        for (const RECT& rect : RegionRects(region)) {
            if (rect.left >= rect.right) {
                continue;  // covers no pixel; the reference sometimes lists such rows
            }
            for (LONG y = rect.top; y < rect.bottom; ++y) {
                rows[y].emplace_back(rect.left, rect.right);
            }
        }
        std::string line = "rects " + what;
        for (auto row = rows.begin(); row != rows.end();) {
            auto next = std::next(row);
            LONG bottom = row->first + 1;
            for (; next != rows.end() && next->first == bottom && next->second == row->second;
                 ++next) {
                ++bottom;
            }
            for (const auto& [left, right] : row->second) {
                line += " " + RectText(RECT{left, row->first, right, bottom});
            }
            row = next;
        }
        lines_.push_back(line);
    }
    // Only colour is compared: the top byte of a 32-bit pixel is documented as unused.
    void Pixels(const Canvas& canvas, Colours colours) {
        for (int y = 0; y < canvas.Height(); ++y) {
            std::string line = colours == Colours::System ? "sys" : "row";
            for (int x = 0; x < canvas.Width(); ++x) {
                line += ' ';
                line += PixelText(canvas.Pixel(x, y) & 0x00FFFFFF, colours);
            }
            lines_.push_back(line);
        }
    }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    static std::string RectText(const RECT& rect) {
        char text[64];
        std::snprintf(text, sizeof text, "(%ld,%ld,%ld,%ld)", static_cast<long>(rect.left),
                      static_cast<long>(rect.top), static_cast<long>(rect.right),
                      static_cast<long>(rect.bottom));
        return text;
    }

    // A pixel equal to one of the system colours edges and frames use becomes "s" and the set of
    // those colours as bits; any other pixel stays its value.
    static std::string PixelText(std::uint32_t pixel, Colours colours) {
        char text[16];
        if (colours == Colours::System) {
            static const int kIndices[] = {COLOR_3DFACE,     COLOR_3DSHADOW, COLOR_3DHILIGHT,
                                           COLOR_3DDKSHADOW, COLOR_3DLIGHT,  COLOR_WINDOW,
                                           COLOR_WINDOWFRAME};
            unsigned set = 0;
            for (unsigned bit = 0; bit < std::size(kIndices); ++bit) {
                const std::uint32_t c = GetSysColor(kIndices[bit]);
                const std::uint32_t asPixel =
                    ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
                if (pixel == asPixel) {
                    set |= 1u << bit;
                }
            }
            if (set != 0) {
                std::snprintf(text, sizeof text, "s%02x", set);
                return text;
            }
        }
        std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(pixel));
        return text;
    }

    std::vector<std::string> lines_;
};

struct Case {
    std::string name;
    int width = 0;  // 0: no canvas, the case records only values and regions
    int height = 0;
    Colours colours = Colours::Exact;
    std::function<void(Canvas&, Record&)> draw;
};

// A background no system colour and no drawing colour of the cases takes.
inline std::uint32_t BackgroundPixel(int x, int y) {
    return (static_cast<std::uint32_t>((x * 7 + 0x10) & 0xFF) << 16) |
           (static_cast<std::uint32_t>((y * 11 + 0x20) & 0xFF) << 8) | 0x5A;
}

inline std::vector<std::string> RunCase(const Case& c) {
    Record record;
    Canvas canvas(c.width > 0 ? c.width : 1, c.height > 0 ? c.height : 1, BackgroundPixel);
    c.draw(canvas, record);
    if (c.width > 0) {
        record.Pixels(canvas, c.colours);
    }
    return record.Lines();
}

// The text both builds write: "case <name>", its lines, "end".
inline std::string CaseText(const Case& c) {
    std::string text = "case " + c.name + "\n";
    for (const std::string& line : RunCase(c)) {
        text += line + "\n";
    }
    return text + "end\n";
}

}  // namespace gdi_reference
