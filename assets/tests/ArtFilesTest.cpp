// The committed picture files: their stored format, their colour tables and the conventions that
// drawing a penguin through its mask relies on.
#include "assets/tests/ArtFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

struct FileCase {
    std::string path;
    int width;
    int height;
    int bits;
    size_t resourceSize;
};

std::vector<FileCase> FileCases() {
    std::vector<FileCase> cases = {{"BACK.bmp", 640, 480, 8, 308264},
                                   {"LOGO.bmp", 360, 140, 8, 51464}};
    for (int k = 0; k < 6; ++k) {
        const std::string n = std::to_string(k);
        cases.push_back({"build1/P" + n + ".bmp", 140, 100, 8, 15064});
        cases.push_back({"build1/M" + n + ".bmp", 140, 100, 1, 2048});
        cases.push_back({"build2/P" + n + ".bmp", 120, 100, 8, 13064});
        cases.push_back({"build2/M" + n + ".bmp", 120, 100, 1, 1648});
    }
    return cases;
}

TEST(ArtFiles, HeadersAndSizesAreTheStoredFormat) {
    for (const FileCase& c : FileCases()) {
        SCOPED_TRACE(c.path);
        const std::vector<uint8_t> file = ReadWholeFile(AssetPath(c.path));
        ASSERT_EQ(file.size(), c.resourceSize + 14);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(ReadU32(file, 2), file.size());
        EXPECT_EQ(ReadU32(file, 6), 0u);
        EXPECT_EQ(ReadU32(file, 10), 14u + 40u + (4u << c.bits));

        const std::vector<uint8_t> dib(file.begin() + 14, file.end());
        const DibView view(dib);
        const DibFields& f = view.Fields();
        EXPECT_EQ(f.headerSize, 40u);
        EXPECT_EQ(f.width, c.width);
        EXPECT_EQ(f.height, c.height);
        EXPECT_EQ(f.planes, 1);
        EXPECT_EQ(f.bits, c.bits);
        EXPECT_EQ(f.compression, 0u);
        EXPECT_EQ(f.sizeImage, view.Stride() * size_t(c.height));
        EXPECT_EQ(f.xPerMetre, 0);
        EXPECT_EQ(f.yPerMetre, 0);
        EXPECT_EQ(f.used, 0u);
        EXPECT_EQ(f.important, 0u);
        EXPECT_EQ(view.Stride(), c.bits == 8 ? size_t(c.width) : size_t(c.width == 140 ? 20 : 16));
        EXPECT_TRUE(view.TableIsClean());
    }
}

TEST(ArtFiles, MaskRowsArePaddedWithZeros) {
    for (const FileCase& c : FileCases()) {
        if (c.bits != 1)
            continue;
        SCOPED_TRACE(c.path);
        const std::vector<uint8_t> dib = ResourceBytesOf(c.path);
        const DibView view(dib);
        for (int row = 0; row < c.height; ++row)
            for (size_t bit = size_t(c.width); bit < view.Stride() * 8; ++bit) {
                const uint8_t byte = dib[40 + 8 + size_t(row) * view.Stride() + bit / 8];
                ASSERT_EQ(byte >> (7 - bit % 8) & 1, 0) << "row " << row << " bit " << bit;
            }
    }
}

TEST(ArtFiles, ColourTablesAreTheSharedTableOrBlackAndWhite) {
    const auto& shared = SharedTable();
    EXPECT_EQ(std::count(shared.begin(), shared.end(), 0u), 1);
    for (const FileCase& c : FileCases()) {
        SCOPED_TRACE(c.path);
        const std::vector<uint8_t> dib = ResourceBytesOf(c.path);
        const DibView view(dib);
        if (c.bits == 1) {
            EXPECT_EQ(view.Colour(0), 0x000000u);
            EXPECT_EQ(view.Colour(1), 0xFFFFFFu);
            continue;
        }
        for (size_t i = 0; i < 256; ++i)
            ASSERT_EQ(view.Colour(i), shared[i]) << "index " << i;
    }
}

struct Box {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    bool operator==(const Box&) const = default;
};

struct BuildLimits {
    int build;
    Box limits;
};

TEST(ArtFiles, SpritesFollowTheirMasksWithinTheLimits) {
    for (const BuildLimits& b :
         {BuildLimits{1, {13, 3, 124, 96}}, BuildLimits{2, {14, 10, 105, 93}}})
        for (int k = 0; k < 6; ++k) {
            const std::string n = std::to_string(k);
            SCOPED_TRACE("build " + std::to_string(b.build) + " frame " + n);
            const std::vector<uint8_t> spriteBytes =
                ResourceBytesOf(BuildFolder(b.build) + "/P" + n + ".bmp");
            const std::vector<uint8_t> maskBytes =
                ResourceBytesOf(BuildFolder(b.build) + "/M" + n + ".bmp");
            const DibView sprite(spriteBytes);
            const DibView mask(maskBytes);
            Box penguin;
            Box coloured;
            for (int y = 0; y < sprite.Height(); ++y)
                for (int x = 0; x < sprite.Width(); ++x) {
                    const bool inside = mask.Index(x, y) == 0;
                    const unsigned index = sprite.Index(x, y);
                    if (inside)
                        penguin.Add(x, y);
                    if (index != 0)
                        coloured.Add(x, y);
                    // Our art has no black inside the penguin, so both boxes agree exactly.
                    ASSERT_EQ(index != 0, inside) << "at " << x << "," << y;
                }
            EXPECT_EQ(penguin, coloured);
            EXPECT_GE(penguin.left, b.limits.left);
            EXPECT_GE(penguin.top, b.limits.top);
            EXPECT_LE(penguin.right, b.limits.right);
            EXPECT_LE(penguin.bottom, b.limits.bottom);
        }
}

// Counts the pixels where two masks disagree.
int MaskDifference(const std::string& a, const std::string& b) {
    const std::vector<uint8_t> bytesA = ResourceBytesOf(a);
    const std::vector<uint8_t> bytesB = ResourceBytesOf(b);
    const DibView ma(bytesA);
    const DibView mb(bytesB);
    int count = 0;
    for (int y = 0; y < ma.Height(); ++y)
        for (int x = 0; x < ma.Width(); ++x)
            count += ma.Index(x, y) != mb.Index(x, y) ? 1 : 0;
    return count;
}

TEST(ArtFiles, EveryFrameMovesOnFromTheLast) {
    for (int build : {1, 2}) {
        SCOPED_TRACE("build " + std::to_string(build));
        const std::string folder = BuildFolder(build) + "/M";
        for (int k = 0; k < 5; ++k)
            EXPECT_GT(MaskDifference(folder + std::to_string(k) + ".bmp",
                                     folder + std::to_string(k + 1) + ".bmp"),
                      20)
                << "frame " << k;
    }
}

TEST(ArtFiles, TheBuildsHaveFramesOfTheirOwn) {
    for (const std::string name : {"P0", "P3", "P5", "M0", "M5"})
        EXPECT_NE(ResourceBytesOf("build1/" + name + ".bmp"),
                  ResourceBytesOf("build2/" + name + ".bmp"))
            << name;
}

TEST(ArtFiles, IconIsOne32By32SixteenColourImageWithItsMask) {
    const std::vector<uint8_t> ico = ReadWholeFile(AssetPath("MAINICON.ico"));
    ASSERT_EQ(ico.size(), 6u + 16u + 40u + 64u + 512u + 128u);
    EXPECT_EQ(ReadU16(ico, 0), 0);
    EXPECT_EQ(ReadU16(ico, 2), 1);
    EXPECT_EQ(ReadU16(ico, 4), 1);
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    EXPECT_EQ(ico[8], 16);
    EXPECT_EQ(ico[9], 0);
    EXPECT_EQ(ReadU16(ico, 10), 1);
    EXPECT_EQ(ReadU16(ico, 12), 4);
    EXPECT_EQ(ReadU32(ico, 14), ico.size() - 22);
    EXPECT_EQ(ReadU32(ico, 18), 22u);

    const std::span<const uint8_t> image(ico.data() + 22, ico.size() - 22);
    EXPECT_EQ(ReadU32(image, 0), 40u);
    EXPECT_EQ(ReadU32(image, 4), 32u);
    EXPECT_EQ(ReadU32(image, 8), 64u);
    EXPECT_EQ(ReadU16(image, 12), 1);
    EXPECT_EQ(ReadU16(image, 14), 4);
    EXPECT_EQ(ReadU32(image, 16), 0u);
    EXPECT_EQ(ReadU32(image, 20), 512u + 128u);

    const size_t colours = 40 + 64;
    const size_t andMask = colours + 512;
    int clear = 0;
    for (int row = 0; row < 32; ++row)
        for (int x = 0; x < 32; ++x) {
            const bool transparent =
                (image[andMask + size_t(row) * 4 + size_t(x / 8)] >> (7 - x % 8) & 1) != 0;
            const unsigned index =
                unsigned(image[colours + size_t(row) * 16 + size_t(x / 2)] >> (x % 2 ? 0 : 4)) & 15;
            clear += transparent ? 1 : 0;
            // The colour image is black where the ground shows through, so the icon draws
            // nothing there.
            if (transparent) {
                ASSERT_EQ(index, 0u) << "at " << x << "," << row;
            }
        }
    EXPECT_GT(clear, 200);
    EXPECT_LT(clear, 900);
    // The corners are ground.
    EXPECT_EQ(image[andMask] >> 7, 1);
    EXPECT_EQ(image[andMask + 31 * 4 + 3] & 1, 1);
}

} // namespace
