// The saver window's own rules: where it lies, what closes it, and how it answers the three
// window messages it handles itself.
#include "RunFixture.h"

#include "platform/TApplication.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"

#include <gtest/gtest.h>

namespace {

using headless::Recorded;

class SaverWindow : public RunFixture {
protected:
    // Runs the saver; the window is still open at the end when nothing closed it.
    bool StaysOpen() {
        Run({"/s"});
        return Recorded().loopRanDry;
    }
    bool DefaultHandled(uint32_t msg) const {
        for (const auto& m : Recorded().defaultHandled) {
            if (m.Msg == msg) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(SaverWindow, CoversThePrimaryDisplayBorderlessOnTopWithoutCursor) {
    headless::Reset(1024, 768);
    EXPECT_TRUE(StaysOpen());
    const auto& w = Recorded().windows.at(0);
    EXPECT_EQ(w.className, "TForm1");
    EXPECT_EQ(w.left, 0);
    EXPECT_EQ(w.top, 0);
    EXPECT_EQ(w.width, 1024);
    EXPECT_EQ(w.height, 768);
    EXPECT_TRUE(w.borderless);
    EXPECT_TRUE(w.stayOnTop);
    EXPECT_EQ(w.cursor, crNone);
    EXPECT_TRUE(w.imeDisabled);
    EXPECT_TRUE(Recorded().errorBoxes.empty());
}

TEST_F(SaverWindow, MovesWithinTenPixelsOfTheStartKeepItOpen) {
    struct Case {
        int32_t x, y;
        bool open;
    };
    const Case cases[] = {
        {510, 410, true},  {490, 390, true},  {500, 400, true},
        {510, 390, true},  {511, 400, false}, {500, 389, false},
        {489, 400, false}, {500, 411, false}, {-32768, 400, false},
    };
    for (const auto& c : cases) {
        SetUp();
        headless::SetCursorPos(500, 400);
        headless::PostMouseMove(c.x, c.y);
        EXPECT_EQ(StaysOpen(), c.open) << c.x << "," << c.y;
    }
}

TEST_F(SaverWindow, TheMoveReportOnShowingDoesNotCloseIt) {
    headless::SetCursorPos(700, 20);
    EXPECT_TRUE(StaysOpen());
}

TEST_F(SaverWindow, AnyKeyOrButtonClosesIt) {
    for (uint16_t key : {uint16_t(0x41), uint16_t(0x1B), uint16_t(0x10), uint16_t(0xFFFF)}) {
        SetUp();
        headless::PostKey(key);
        EXPECT_FALSE(StaysOpen()) << key;
    }
    for (auto b : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) {
        SetUp();
        headless::PostMouseDown(b, 0, 0);
        EXPECT_FALSE(StaysOpen());
    }
}

TEST_F(SaverWindow, DeactivationClosesItAndActivationDoesNot) {
    struct Case {
        uint32_t wParam;
        bool open;
    };
    const Case cases[] = {
        {0, false}, {0x00010000, false}, {1, true}, {2, true}, {0x00010001, true}};
    for (const auto& c : cases) {
        SetUp();
        int32_t result = -1;
        headless::PostMessage(WM_ACTIVATE, c.wParam, 0, &result);
        EXPECT_EQ(StaysOpen(), c.open) << std::hex << c.wParam;
        EXPECT_EQ(result, 0);
        EXPECT_FALSE(DefaultHandled(WM_ACTIVATE));
    }
}

TEST_F(SaverWindow, ScreenSaveCommandIsAnsweredAndOthersGoOn) {
    int32_t screensave = -1, other = -1;
    headless::PostMessage(WM_SYSCOMMAND, 0xF140, 0, &screensave);
    EXPECT_TRUE(StaysOpen());
    EXPECT_EQ(screensave, 1);
    EXPECT_FALSE(DefaultHandled(WM_SYSCOMMAND));

    SetUp();
    headless::PostMessage(WM_SYSCOMMAND, 0xF141, 0, &other);
    EXPECT_TRUE(StaysOpen());
    ASSERT_TRUE(DefaultHandled(WM_SYSCOMMAND));
    for (const auto& m : Recorded().defaultHandled) {
        if (m.Msg == WM_SYSCOMMAND) {
            EXPECT_EQ(m.WParam, 0xF141u);
        }
    }
}

TEST_F(SaverWindow, EraseBackgroundAnswersZeroAndPaintsNothing) {
    int32_t result = -1;
    headless::PostMessage(WM_ERASEBKGND, 0, 0, &result);
    headless::PostPaint(Rect(0, 0, 1024, 768));
    EXPECT_TRUE(StaysOpen());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Recorded().backgroundErases, 0);
    EXPECT_FALSE(DefaultHandled(WM_ERASEBKGND));
}

TEST_F(SaverWindow, TimerRunsEveryFortyMillisecondsFromCreationOn) {
    bool enabled = false;
    uint32_t interval = 0;
    headless::PostCall([&] {
        enabled = Form1->Timer1->Enabled();
        interval = Form1->Timer1->Interval();
    });
    EXPECT_TRUE(StaysOpen());
    EXPECT_TRUE(enabled);
    EXPECT_EQ(interval, 40u);
}

TEST_F(SaverWindow, ThePaintComesBeforeTheFirstTick) {
    int paintsAtFirstTick = -1;
    headless::PostTick();
    headless::PostCall([&] { paintsAtFirstTick = Recorded().paints; });
    EXPECT_TRUE(StaysOpen());
    EXPECT_EQ(paintsAtFirstTick, 1);
    EXPECT_EQ(Recorded().ticksDelivered, 1);
}

} // namespace
