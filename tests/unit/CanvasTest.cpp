#include "platform/TBitmap.h"
#include "platform/TCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

// A bitmap whose every pixel names its own position, so a copied pixel shows where it came from.
void FillWithPositions(TBitmap& b, uint32_t tag) {
    for (int32_t y = 0; y < b.Height(); ++y) {
        for (int32_t x = 0; x < b.Width(); ++x) {
            b.SetPixel(x, y, tag | uint32_t(y) << 8 | uint32_t(x));
        }
    }
}

// What the destination must hold after a 1:1 copy of src's s to d, computed pixel by pixel.
void ExpectCopied(const TBitmap& before, const TBitmap& after, const TBitmap& src, const TRect& d,
                  const TRect& s) {
    for (int32_t y = 0; y < after.Height(); ++y) {
        for (int32_t x = 0; x < after.Width(); ++x) {
            const int64_t sx = int64_t(x) - d.Left + s.Left;
            const int64_t sy = int64_t(y) - d.Top + s.Top;
            const bool inside = x >= d.Left && x < d.Right && y >= d.Top && y < d.Bottom &&
                                sx >= 0 && sy >= 0 && sx < src.Width() && sy < src.Height() &&
                                sx < s.Right && sy < s.Bottom;
            const uint32_t expected =
                inside ? src.Pixel(int32_t(sx), int32_t(sy)) : before.Pixel(x, y);
            ASSERT_EQ(after.Pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST(Canvas, CopyModesCombineEveryPixel) {
    struct Case {
        uint32_t mode;
        uint32_t dst, src, result;
    };
    const Case cases[] = {
        {SRCCOPY, 0x123456, 0xABCDEF, 0xABCDEF},  {SRCAND, 0x123456, 0x00FFFFFF, 0x123456},
        {SRCAND, 0x123456, 0x000000, 0x000000},   {SRCPAINT, 0x000000, 0xABCDEF, 0xABCDEF},
        {SRCPAINT, 0x123456, 0x000000, 0x123456}, {SRCAND, 0xF0F0F0, 0x3C3C3C, 0x303030},
        {SRCPAINT, 0xF0F000, 0x0F000F, 0xFFF00F},
    };
    for (const auto& c : cases) {
        TBitmap dst, src;
        dst.SetSize(3, 2);
        src.SetSize(3, 2);
        dst.Fill(c.dst);
        src.Fill(c.src);
        dst.Canvas()->CopyMode = c.mode;
        dst.Canvas()->CopyRect(Rect(0, 0, 3, 2), src.Canvas(), Rect(0, 0, 3, 2));
        for (int32_t y = 0; y < 2; ++y) {
            for (int32_t x = 0; x < 3; ++x) {
                EXPECT_EQ(dst.Pixel(x, y), c.result) << std::hex << c.mode;
            }
        }
    }
}

TEST(Canvas, CopiesAreClippedAgainstBothBitmapsOnEveryEdge) {
    const int32_t big = std::numeric_limits<int32_t>::max();
    const int32_t small = std::numeric_limits<int32_t>::min();
    struct Case {
        TRect d, s;
    };
    const Case cases[] = {
        {Rect(2, 2, 6, 5), Rect(0, 0, 4, 3)},         // inside
        {Rect(-3, 1, 2, 4), Rect(0, 0, 5, 3)},        // past the left edge
        {Rect(1, -2, 5, 2), Rect(0, 0, 4, 4)},        // past the top edge
        {Rect(7, 3, 12, 6), Rect(0, 0, 5, 3)},        // past the right edge
        {Rect(2, 6, 6, 11), Rect(0, 0, 4, 5)},        // past the bottom edge
        {Rect(-5, -5, 15, 15), Rect(0, 0, 20, 20)},   // past all four, source too small
        {Rect(1, 1, 5, 5), Rect(-2, -2, 2, 2)},       // source rectangle past its bitmap's corner
        {Rect(1, 1, 5, 4), Rect(4, 3, 8, 6)},         // source past its right and bottom edges
        {Rect(20, 20, 25, 25), Rect(0, 0, 5, 5)},     // wholly outside
        {Rect(-9, -9, -4, -4), Rect(0, 0, 5, 5)},     // wholly outside, negative
        {Rect(big - 2, 0, big, 2), Rect(0, 0, 2, 2)}, // at the end of the coordinate range
        {Rect(small, 0, small + 2, 2), Rect(0, 0, 2, 2)},
    };
    TBitmap src;
    src.SetSize(6, 5);
    FillWithPositions(src, 0xAA0000);
    for (const auto& c : cases) {
        TBitmap dst, before;
        dst.SetSize(10, 8);
        before.SetSize(10, 8);
        FillWithPositions(dst, 0x110000);
        FillWithPositions(before, 0x110000);
        dst.Canvas()->CopyRect(c.d, src.Canvas(), c.s);
        ExpectCopied(before, dst, src, c.d, c.s);
    }
}

TEST(Canvas, ScaledCopyPicksProportionalPixels) {
    TBitmap src, dst;
    src.SetSize(2, 2);
    FillWithPositions(src, 0);
    dst.SetSize(4, 4);
    dst.Canvas()->CopyRect(Rect(0, 0, 4, 4), src.Canvas(), Rect(0, 0, 2, 2));
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(dst.Pixel(x, y), src.Pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
    // Shrinking, and a destination past the left edge.
    TBitmap wide, narrow;
    wide.SetSize(8, 1);
    FillWithPositions(wide, 0);
    narrow.SetSize(4, 1);
    narrow.Fill(0x777777);
    narrow.Canvas()->CopyRect(Rect(-2, 0, 2, 1), wide.Canvas(), Rect(0, 0, 8, 1));
    EXPECT_EQ(narrow.Pixel(0, 0), wide.Pixel(4, 0));
    EXPECT_EQ(narrow.Pixel(1, 0), wide.Pixel(6, 0));
    EXPECT_EQ(narrow.Pixel(2, 0), 0x777777u);
}

TEST(Canvas, StretchDrawCoversTheWholeDestinationForAnySourceSize) {
    const int32_t sizes[][2] = {{1, 1}, {640, 480}, {3, 7}, {1000, 2}};
    for (const auto& s : sizes) {
        TBitmap src, dst;
        src.SetSize(s[0], s[1]);
        src.Fill(0x204080);
        dst.SetSize(97, 61);
        dst.Fill(0xFF00FF);
        dst.Canvas()->StretchDraw(Rect(0, 0, 97, 61), &src);
        for (int32_t y = 0; y < 61; ++y) {
            for (int32_t x = 0; x < 97; ++x) {
                ASSERT_EQ(dst.Pixel(x, y), 0x204080u) << s[0] << "x" << s[1] << " at " << x;
            }
        }
    }
}

TEST(Canvas, StretchDrawBlendsBetweenNeighboursAndKeepsTheCorners) {
    TBitmap src, dst;
    src.SetSize(2, 1);
    src.SetPixel(0, 0, 0x000000);
    src.SetPixel(1, 0, 0xFFFFFF);
    dst.SetSize(8, 1);
    dst.Canvas()->StretchDraw(Rect(0, 0, 8, 1), &src);
    EXPECT_EQ(dst.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(dst.Pixel(7, 0), 0xFFFFFFu);
    for (int32_t x = 1; x < 8; ++x) {
        EXPECT_GE(dst.Pixel(x, 0) & 0xFF, dst.Pixel(x - 1, 0) & 0xFF) << "monotone at " << x;
    }
    EXPECT_GT(dst.Pixel(3, 0) & 0xFF, 0u);
    EXPECT_LT(dst.Pixel(3, 0) & 0xFF, 0xFFu);
}

TEST(Bitmap, ResizingKeepsTheSharedPart) {
    TBitmap b;
    b.SetSize(4, 3);
    FillWithPositions(b, 0x330000);
    b.SetWidth(2);
    b.SetHeight(5);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(b.Pixel(1, 2), 0x330000u | 2u << 8 | 1u);
    EXPECT_EQ(b.Pixel(1, 4), 0u);
    b.SetSize(-3, 2);
    EXPECT_EQ(b.Width(), 0);
}

} // namespace
