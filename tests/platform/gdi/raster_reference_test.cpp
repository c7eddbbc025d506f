// Lines and region arithmetic against brute-force references, over many random cases.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <utility>

#include "gdi_test_canvas.h"

namespace win {
namespace {

constexpr int kSide = 24;

std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d;
    return (n % d != 0 && (n < 0) != (d < 0)) ? q - 1 : q;
}

// The pixel nearest the ideal line in each step of the major axis; a tie goes to the smaller
// minor coordinate. The end point is left out.
std::set<std::pair<int, int>> ReferenceLine(int x0, int y0, int x1, int y1) {
    std::set<std::pair<int, int>> pixels;
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int length = xMajor ? std::abs(dx) : std::abs(dy);
    for (int k = 0; k < length; ++k) {
        const int major = (xMajor ? x0 : y0) + ((xMajor ? dx : dy) < 0 ? -k : k);
        const std::int64_t exact = std::int64_t{xMajor ? y0 : x0} * length +
                                   std::int64_t{k} * (xMajor ? dy : dx);  // over `length`
        std::int64_t minor = FloorDiv(exact, length);
        const std::int64_t remainder = exact - minor * length;
        if (2 * remainder > length) {
            ++minor;
        }
        pixels.insert(xMajor ? std::pair{major, static_cast<int>(minor)}
                             : std::pair{static_cast<int>(minor), major});
    }
    return pixels;
}

TEST(RasterReferenceTest, LinesMatchTheNearestPixelRuleThroughAnyClip) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-30, kSide + 30);
    std::uniform_int_distribution<int> edge(0, kSide);
    for (int round = 0; round < 400; ++round) {
        const int x0 = coordinate(random);
        const int y0 = coordinate(random);
        const int x1 = coordinate(random);
        const int y1 = coordinate(random);
        RECT clip{edge(random), edge(random), edge(random), edge(random)};
        testing::Canvas canvas(kSide, kSide);
        IntersectClipRect(canvas.Dc(), clip.left, clip.top, clip.right, clip.bottom);
        testing::DrawLine(canvas.Dc(), x0, y0, x1, y1, RGB(0, 0, 0));
        const std::set<std::pair<int, int>> expected = ReferenceLine(x0, y0, x1, y1);
        const RECT box{std::min(clip.left, clip.right), std::min(clip.top, clip.bottom),
                       std::max(clip.left, clip.right), std::max(clip.top, clip.bottom)};
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const bool inClip = PtInRect(&box, POINT{x, y});
                const bool want = inClip && expected.count({x, y}) != 0;
                ASSERT_EQ(canvas.Pixel(x, y) == testing::kBlackPixel, want)
                    << "line " << x0 << "," << y0 << " -> " << x1 << "," << y1 << " at " << x << ","
                    << y;
            }
        }
    }
}

using Grid = std::array<std::array<bool, kSide>, kSide>;

TEST(RasterReferenceTest, CombinedRegionsMatchPixelSets) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> edge(0, kSide);
    std::uniform_int_distribution<int> operation(RGN_AND, RGN_DIFF);
    const HRGN piece = CreateRectRgn(0, 0, 0, 0);
    for (int round = 0; round < 100; ++round) {
        HRGN accumulated = CreateRectRgn(0, 0, 0, 0);
        Grid grid{};
        for (int step = 0; step < 6; ++step) {
            const int l = edge(random), t = edge(random), r = edge(random), b = edge(random);
            SetRectRgn(piece, l, t, r, b);
            const int op = step == 0 ? RGN_OR : operation(random);
            const int type = CombineRgn(accumulated, accumulated, piece, op);
            ASSERT_NE(type, ERROR);
            int count = 0;
            for (int y = 0; y < kSide; ++y) {
                for (int x = 0; x < kSide; ++x) {
                    const bool inPiece = x >= std::min(l, r) && x < std::max(l, r) &&
                                         y >= std::min(t, b) && y < std::max(t, b);
                    bool& cell = grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                    switch (op) {
                        case RGN_AND:
                            cell = cell && inPiece;
                            break;
                        case RGN_OR:
                            cell = cell || inPiece;
                            break;
                        case RGN_XOR:
                            cell = cell != inPiece;
                            break;
                        default:
                            cell = cell && !inPiece;
                            break;
                    }
                    ASSERT_EQ(PtInRegion(accumulated, x, y), cell)
                        << "round " << round << " step " << step << " at " << x << "," << y;
                    count += cell ? 1 : 0;
                }
            }
            // The spans list every pixel exactly once.
            int spanned = 0;
            for (const RegionSpan& span : GetRegionSpans(accumulated)) {
                ASSERT_LT(span.left, span.right);
                spanned += span.right - span.left;
            }
            EXPECT_EQ(spanned, count);
            EXPECT_EQ(type == NULLREGION, count == 0);
        }
        DeleteObject(accumulated);
    }
    DeleteObject(piece);
}

}  // namespace
}  // namespace win
