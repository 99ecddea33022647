// Whole runs of every mode through the real entry point.
#include "RunFixture.h"

#include "host/GlacimoMain.h"
#include "platform/TApplication.h"

#include <gtest/gtest.h>

namespace {

using headless::Recorded;

class Host : public RunFixture {};

struct ModeCase {
    std::vector<std::string> args;
    const char* windowClass; // the form the mode creates, or nullptr
    int beeps;
    bool passwordBox;
};

TEST_F(Host, EveryModeDoesWhatItsSwitchSays) {
    const ModeCase cases[] = {
        {{}, nullptr, 1, false},
        {{"/s"}, "TForm1", 0, false},
        {{"-S"}, "TForm1", 0, false},
        {{"/SAVE"}, "TForm1", 0, false},
        {{"/c"}, "TOKBottomDlg", 0, false},
        {{"-C:1234"}, "TOKBottomDlg", 0, false},
        {{"/p", "1234"}, nullptr, 0, false},
        {{"/a", "1234"}, nullptr, 1, true},
        {{"/"}, nullptr, 1, false},
        {{"/X"}, nullptr, 1, false},
        {{"--s"}, nullptr, 1, false},
        {{"x", "/s"}, nullptr, 1, false},
    };
    for (const auto& c : cases) {
        SetUp();
        // Whatever window opens is closed by the first key.
        headless::PostKey('A');
        const std::string label = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(Run(c.args), 0) << label;
        const auto& r = Recorded();
        ASSERT_EQ(r.windows.size(), c.windowClass ? 1u : 0u) << label;
        if (c.windowClass) {
            EXPECT_EQ(r.windows[0].className, c.windowClass) << label;
            EXPECT_TRUE(r.windows[0].destroyed) << label;
        }
        EXPECT_EQ(r.beeps, c.beeps) << label;
        EXPECT_TRUE(r.errorBoxes.empty()) << label << ": " << r.errorBoxes.front().text;
        ASSERT_EQ(r.messageBoxes.size(), c.passwordBox ? 1u : 0u) << label;
        if (c.passwordBox) {
            EXPECT_EQ(r.messageBoxes[0].text, "Password not supported");
            EXPECT_EQ(r.messageBoxes[0].caption, DefaultTitle());
        }
        EXPECT_EQ(r.guardsCreated, std::vector<std::string>{"Glacimo"}) << label;
    }
}

TEST_F(Host, RunModeTakesTheBuildsTitle) {
    std::string titleDuringRun;
    headless::PostCall([&] { titleDuringRun = Application->Title; });
    headless::PostKey(' ');
    Run({"/s"});
    EXPECT_EQ(titleDuringRun, BuildTitle());
}

TEST_F(Host, AnotherInstanceInAnyModeEndsTheStartSilently) {
    for (const char* mode : {"/s", "/c", "/p", "/a", "/x"}) {
        SetUp();
        headless::HoldGuard("Glacimo");
        headless::PostKey(' ');
        EXPECT_EQ(Run({mode}), 0) << mode;
        const auto& r = Recorded();
        EXPECT_TRUE(r.windows.empty()) << mode;
        EXPECT_EQ(r.beeps, 0) << mode;
        EXPECT_TRUE(r.messageBoxes.empty()) << mode;
        EXPECT_FALSE(r.loopRan) << mode;
    }
}

TEST_F(Host, AGuardThatCannotBeCreatedDoesNotStopTheProgram) {
    headless::FailNextGuard();
    headless::PostKey(' ');
    Run({"/s"});
    ASSERT_EQ(Recorded().windows.size(), 1u);
}

TEST_F(Host, PreviewLeavesARunningSaverAloneAndShowsNothing) {
    Run({"/p", "99"});
    EXPECT_TRUE(Recorded().loopRan); // no window: the loop returns at once
    SetUp();
    headless::AddForeignWindow("TForm1");
    Run({"/p", "99"});
    EXPECT_FALSE(Recorded().loopRan);
    EXPECT_TRUE(Recorded().windows.empty());
}

TEST_F(Host, ASecondStartInsideARunningSaverEndsAtTheGuard) {
    int nestedCode = -1;
    size_t windowsBefore = 0;
    headless::PostCall([&] {
        windowsBefore = Recorded().windows.size();
        nestedCode = GlacimoMain();
    });
    headless::PostKey(' ');
    Run({"/s"});
    EXPECT_EQ(nestedCode, 0);
    EXPECT_EQ(Recorded().windows.size(), windowsBefore);
    EXPECT_EQ(Recorded().beeps, 0);
}

} // namespace
