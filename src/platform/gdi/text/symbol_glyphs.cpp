#include "platform/gdi/text/symbol_glyphs.h"

#include <algorithm>

namespace win::text {
namespace {

enum class Direction { Up, Down, Left, Right };

struct Square {
    int left = 0;
    int top = 0;
    int size = 0;

    int CentreX() const { return left + size / 2; }
    int CentreY() const { return top + size / 2; }
};

// The largest square centred in the glyph's advance and cell.
Square SquareOf(const GlyphCell& cell) {
    const int cellHeight = cell.cellBottom - cell.cellTop;
    const int size = std::max(1, std::min(cell.advance, cellHeight));
    return {cell.left + (cell.advance - size) / 2, cell.cellTop + (cellHeight - size) / 2, size};
}

// A solid triangle whose base is about half the square, always of odd width so its point is one
// pixel on the centre line.
void DrawTriangle(const Square& sq, Direction direction, CoverageMask& mask) {
    const int halfBase = std::max(1, sq.size / 4);
    const int depth = halfBase + 1;
    const int startAlong = (direction == Direction::Up || direction == Direction::Down)
                               ? sq.CentreY() - depth / 2
                               : sq.CentreX() - depth / 2;
    for (int step = 0; step < depth; ++step) {
        const bool pointFirst = direction == Direction::Up || direction == Direction::Left;
        const int half = pointFirst ? step : halfBase - step;
        const int along = startAlong + step;
        if (direction == Direction::Up || direction == Direction::Down) {
            mask.CoverRect(sq.CentreX() - half, along, sq.CentreX() + half + 1, along + 1, 255);
        } else {
            mask.CoverRect(along, sq.CentreY() - half, along + 1, sq.CentreY() + half + 1, 255);
        }
    }
}

void DrawFrame(CoverageMask& mask, int x0, int y0, int x1, int y1, int topStroke) {
    mask.CoverRect(x0, y0, x1, y0 + topStroke, 255);
    mask.CoverRect(x0, y1 - 1, x1, y1, 255);
    mask.CoverRect(x0, y0, x0 + 1, y1, 255);
    mask.CoverRect(x1 - 1, y0, x1, y1, 255);
}

void DrawMinimise(const Square& sq, CoverageMask& mask) {
    const int margin = sq.size / 4;
    const int y = sq.top + sq.size - margin - 2;
    mask.CoverRect(sq.left + margin, y, sq.left + sq.size - margin, y + 2, 255);
}

void DrawMaximise(const Square& sq, CoverageMask& mask) {
    const int margin = sq.size / 5;
    DrawFrame(mask, sq.left + margin, sq.top + margin, sq.left + sq.size - margin,
              sq.top + sq.size - margin, 2);
}

void DrawRestore(const Square& sq, CoverageMask& mask) {
    const int margin = sq.size / 5;
    const int inner = std::max(3, (sq.size - 2 * margin) * 2 / 3);
    const int x0 = sq.left + margin;
    const int y0 = sq.top + margin;
    const int far = sq.left + sq.size - margin;
    DrawFrame(mask, far - inner, y0, far, y0 + inner, 2);
    DrawFrame(mask, x0, sq.top + sq.size - margin - inner, x0 + inner, sq.top + sq.size - margin,
              2);
}

void DrawCross(const Square& sq, CoverageMask& mask) {
    const int margin = sq.size / 4;
    const int span = sq.size - 2 * margin;
    for (int i = 0; i < span; ++i) {
        const int y = sq.top + margin + i;
        mask.CoverRect(sq.left + margin + i, y, sq.left + margin + i + 2, y + 1, 255);
        mask.CoverRect(sq.left + sq.size - margin - i - 2, y, sq.left + sq.size - margin - i, y + 1,
                       255);
    }
}

void DrawCheck(const Square& sq, CoverageMask& mask) {
    const int margin = sq.size / 4;
    const int low = sq.top + sq.size - margin - 1;
    const int leftArm = std::max(1, (sq.size - 2 * margin) / 3);
    const int x0 = sq.left + margin;
    for (int i = 0; i <= leftArm; ++i) {
        mask.CoverRect(x0 + i, low - leftArm + i - 1, x0 + i + 1, low - leftArm + i + 1, 255);
    }
    const int rightArm = sq.size - 2 * margin - leftArm;
    for (int i = 1; i < rightArm; ++i) {
        mask.CoverRect(x0 + leftArm + i, low - i - 1, x0 + leftArm + i + 1, low - i + 1, 255);
    }
}

void DrawGrip(const Square& sq, CoverageMask& mask) {
    for (int line = 1; line <= 3; ++line) {
        const int length = line * sq.size / 4;
        for (int i = 0; i < length; ++i) {
            const int x = sq.left + sq.size - 1 - i;
            const int y = sq.top + sq.size - length + i;
            mask.Cover(x, y, 255);
        }
    }
}

void DrawDash(const Square& sq, CoverageMask& mask) {
    const int margin = sq.size / 4;
    mask.CoverRect(sq.left + margin, sq.CentreY(), sq.left + sq.size - margin, sq.CentreY() + 1,
                   255);
}

void DrawPlus(const Square& sq, CoverageMask& mask) {
    DrawDash(sq, mask);
    const int margin = sq.size / 4;
    mask.CoverRect(sq.CentreX(), sq.top + margin, sq.CentreX() + 1, sq.top + sq.size - margin, 255);
}

}  // namespace

bool DrawSymbolGlyph(char32_t ch, const GlyphCell& cell, CoverageMask& mask) {
    const Square sq = SquareOf(cell);
    switch (ch) {
        case U'0':
            DrawMinimise(sq, mask);
            return true;
        case U'1':
            DrawMaximise(sq, mask);
            return true;
        case U'2':
            DrawRestore(sq, mask);
            return true;
        case U'3':
            DrawTriangle(sq, Direction::Left, mask);
            return true;
        case U'4':
            DrawTriangle(sq, Direction::Right, mask);
            return true;
        case U'5':
        case U't':
            DrawTriangle(sq, Direction::Up, mask);
            return true;
        case U'6':
        case U'u':
            DrawTriangle(sq, Direction::Down, mask);
            return true;
        case U'7':
            DrawDash(sq, mask);
            return true;
        case U'8':
            DrawPlus(sq, mask);
            return true;
        case U'9':
        case U'o':
            DrawGrip(sq, mask);
            return true;
        case U'r':
            DrawCross(sq, mask);
            return true;
        case U'a':
        case U'b':
            DrawCheck(sq, mask);
            return true;
        default:
            return false;
    }
}

}  // namespace win::text
