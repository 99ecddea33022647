// The pictures as the program finds them: compiled into this build and loaded by name.
#include "assets/tests/ArtFile.h"

#include "platform/Exception.h"
#include "platform/Resources.h"
#include "platform/TBitmap.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBuild = GLACIMO_ART_BUILD;
constexpr int kFrameWidth = kBuild == 1 ? 140 : 120;

std::string FileOf(const std::string& name) {
    if (name == "BACK" || name == "LOGO")
        return name + ".bmp";
    return BuildFolder(kBuild) + "/" + name + ".bmp";
}

TEST(EmbeddedArt, EveryNameHoldsItsFileWithoutTheFileHeader) {
    for (const std::string& name : BitmapNames()) {
        SCOPED_TRACE(name);
        const std::span<const uint8_t> found = Resources::FindBitmap(name.c_str());
        const std::vector<uint8_t> expected = ResourceBytesOf(FileOf(name));
        ASSERT_FALSE(expected.empty());
        // BACK and LOGO come from one file each, so both builds hold the same bytes.
        EXPECT_EQ(std::vector<uint8_t>(found.begin(), found.end()), expected);
    }
}

TEST(EmbeddedArt, ResourceSizesAreExact) {
    const size_t frame = kBuild == 1 ? 15064 : 13064;
    const size_t mask = kBuild == 1 ? 2048 : 1648;
    EXPECT_EQ(Resources::FindBitmap("BACK").size(), 308264u);
    EXPECT_EQ(Resources::FindBitmap("LOGO").size(), 51464u);
    for (const char* name : {"P0", "P1", "P2", "P3", "P4", "P5"}) {
        EXPECT_EQ(Resources::FindBitmap(name).size(), frame) << name;
    }
    for (const char* name : {"M0", "M1", "M2", "M3", "M4", "M5"}) {
        EXPECT_EQ(Resources::FindBitmap(name).size(), mask) << name;
    }
}

TEST(EmbeddedArt, OnlyTheExactNamesAreBitmaps) {
    for (const char* name : {"p0", "P6", "M", "BACK ", "back", "MAINICON", ""})
        EXPECT_TRUE(Resources::FindBitmap(name).empty()) << '"' << name << '"';
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromResourceName("P6"), Exception);
}

TEST(EmbeddedArt, LoadingGivesExactlyTheTableColours) {
    for (const std::string& name : BitmapNames()) {
        SCOPED_TRACE(name);
        const std::span<const uint8_t> stored = Resources::FindBitmap(name.c_str());
        const DibView view(stored);
        TBitmap bitmap;
        bitmap.LoadFromResourceName(name.c_str());
        ASSERT_EQ(bitmap.Width(), view.Width());
        ASSERT_EQ(bitmap.Height(), view.Height());
        for (int y = 0; y < view.Height(); ++y)
            for (int x = 0; x < view.Width(); ++x)
                ASSERT_EQ(bitmap.Pixel(x, y), view.Colour(view.Index(x, y)))
                    << "at " << x << "," << y;
    }
}

TEST(EmbeddedArt, FrameSizeComesFromP0) {
    TBitmap p0;
    p0.LoadFromResourceName("P0");
    EXPECT_EQ(p0.Width(), kFrameWidth);
    EXPECT_EQ(p0.Height(), 100);
    TBitmap logo;
    logo.LoadFromResourceName("LOGO");
    EXPECT_EQ(logo.Width(), 360);
    EXPECT_EQ(logo.Height(), 140);
}

} // namespace
