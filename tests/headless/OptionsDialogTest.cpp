// The options dialog of configure mode, through the real entry point: what it shows, what each
// control and key does, and what reaches the settings file.
#include "RunFixture.h"

#include "host/Build.h"
#include "platform/DialogKeys.h"
#include "platform/TApplication.h"
#include "platform/TIniFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <sys/resource.h>

namespace {

using headless::Control;
using headless::PostCall;
using headless::PostKey;
using headless::PostScroll;
using headless::Recorded;

constexpr char kOutOfRange[] = "[Glacimo]\nSpeed=10\nPenguins=0\n";

class OptionsDialog : public RunFixture {
protected:
    std::filesystem::path SettingsPath() const {
        return settingsDir / "glacimo" / Build::SettingsFile;
    }
    std::optional<std::string> FileContent() const {
        std::ifstream in(SettingsPath(), std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static std::string Stored(const char* key) {
        return TIniFile(Build::SettingsFile).ReadString("Glacimo", key, "(missing)");
    }
    // Runs the dialog; true when something closed it before the queue ran dry.
    bool RunClosed() {
        EXPECT_EQ(Run({"/c"}), 0);
        return !Recorded().loopRanDry;
    }
    static std::string FocusedControl() {
        for (const auto& c : Recorded().controls) {
            if (c.focused) {
                return c.name;
            }
        }
        return "(none)";
    }
    static std::string ErrorText() {
        return Recorded().errorBoxes.empty() ? "" : Recorded().errorBoxes.front().text;
    }
};

TEST_F(OptionsDialog, ShowsTheStoredValuesWithinTheBarsRanges) {
    struct Case {
        std::optional<std::string> file;
        const char *speed, *penguins;
    };
    const Case cases[] = {
        {std::nullopt, "3", "1"},
        {kOutOfRange, "6", "1"},
        {"[glacimo]\nspeed=0\npenguins=7\n", "1", "5"},
        {"[Glacimo]\nSpeed=-2147483648\nPenguins=0x4\n", "1", "4"},
        {"[Glacimo]\nSpeed=fast\nPenguins=\n", "3", "1"},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.file) {
            WriteSettings(*c.file);
        }
        std::string shownSpeed, shownPenguins;
        PostCall([&] {
            shownSpeed = Control("pnSP").caption;
            shownPenguins = Control("pnPG").caption;
        });
        EXPECT_FALSE(RunClosed());
        const std::string label = c.file.value_or("(no file)");
        EXPECT_EQ(shownSpeed, c.speed) << label;
        EXPECT_EQ(shownPenguins, c.penguins) << label;
        EXPECT_EQ(Control("SpeedSet").position, std::stoi(c.speed)) << label;
        EXPECT_EQ(Control("PengSet").position, std::stoi(c.penguins)) << label;
        EXPECT_EQ(FileContent(), c.file) << label << ": showing the dialog wrote the file";
        EXPECT_TRUE(Recorded().errorBoxes.empty()) << label << ": " << ErrorText();
    }
}

TEST_F(OptionsDialog, ChangeHandlersRunDuringCreationOnlyWhenAPositionMoves) {
    struct Case {
        const char* file;
        std::vector<std::string> speedCaptions, penguinCaptions; // stored, then every caption set
    };
    const Case cases[] = {
        // The stored positions: only the creation handler's own step sets the captions.
        {"[Glacimo]\nSpeed=3\nPenguins=1\n", {"3", "3"}, {"1", "1"}},
        // Speed moves from 3 to 6 and runs its change handler; Penguins stays at 1.
        {kOutOfRange, {"3", "6", "6"}, {"1", "1"}},
        {"[Glacimo]\nSpeed=1\nPenguins=5\n", {"3", "1", "1"}, {"1", "5", "5"}},
    };
    for (const auto& c : cases) {
        SetUp();
        WriteSettings(c.file);
        Run({"/c"});
        EXPECT_EQ(Control("pnSP").captions, c.speedCaptions) << c.file;
        EXPECT_EQ(Control("pnPG").captions, c.penguinCaptions) << c.file;
    }
}

struct Closing {
    const char* name;
    std::function<void()> post;
    bool saves;
};

void Keys(std::initializer_list<uint16_t> keys) {
    for (uint16_t k : keys) {
        PostKey(k);
    }
}

TEST_F(OptionsDialog, EveryWayOutSavesOnlyThroughOk) {
    const Closing cases[] = {
        {"OK clicked", [] { headless::PostClick("OKBtn"); }, true},
        {"Enter on OK, the first focus", [] { Keys({VK_RETURN}); }, true},
        {"Space on OK", [] { Keys({VK_SPACE}); }, true},
        {"Enter on SpeedSet",
         [] {
             Keys({VK_TAB, VK_TAB, VK_RETURN});
         },
         true},
        {"Enter on PengSet",
         [] {
             Keys({VK_TAB, VK_TAB, VK_TAB, VK_RETURN});
         },
         true},
        {"Enter on a clicked scroll bar",
         [] {
             PostScroll("PengSet", TScrollCode::scEndScroll);
             Keys({VK_RETURN});
         },
         true},
        {"Cancel clicked", [] { headless::PostClick("CancelBtn"); }, false},
        {"Enter on Cancel",
         [] {
             Keys({VK_TAB, VK_RETURN});
         },
         false},
        {"Escape on OK", [] { Keys({VK_ESCAPE}); }, false},
        {"Escape on SpeedSet",
         [] {
             Keys({VK_TAB, VK_TAB, VK_ESCAPE});
         },
         false},
        {"C", [] { Keys({'C'}); }, false},
        {"Alt+C", [] { PostKey('C', ssAlt); }, false},
        {"C on a scroll bar",
         [] {
             Keys({VK_TAB, VK_TAB, VK_TAB, 'C'});
         },
         false},
        {"close box", [] { headless::PostMessage(WM_CLOSE, 0, 0); }, false},
    };
    for (const auto& c : cases) {
        for (const bool withFile : {false, true}) {
            SetUp();
            if (withFile) {
                WriteSettings(kOutOfRange);
            }
            c.post();
            // Keeps the dialog from waiting forever when nothing closed it.
            Keys({'Z'});
            const std::string label = std::string(c.name) + (withFile ? ", file 10 and 0" : "");
            EXPECT_TRUE(RunClosed()) << label;
            EXPECT_TRUE(Recorded().errorBoxes.empty()) << label << ": " << ErrorText();
            if (c.saves) {
                EXPECT_EQ(Stored("Speed"), withFile ? "6" : "3") << label;
                EXPECT_EQ(Stored("Penguins"), "1") << label;
            } else if (withFile) {
                EXPECT_EQ(FileContent(), kOutOfRange) << label;
            } else {
                EXPECT_FALSE(std::filesystem::exists(SettingsPath())) << label;
            }
        }
    }
}

TEST_F(OptionsDialog, MovingABarUpdatesItsBoxAtOnceAndWritesNothing) {
    using enum TScrollCode;
    struct Case {
        const char* name;
        std::function<void()> post;
        const char* bar;
        const char* box;
        std::vector<std::string> captions; // of box, from the stored one on
    };
    const Case cases[] = {
        {"right arrow button",
         [] { PostScroll("SpeedSet", scLineDown); },
         "SpeedSet",
         "pnSP",
         {"3", "3", "4"}},
        {"left arrow button",
         [] { PostScroll("SpeedSet", scLineUp); },
         "SpeedSet",
         "pnSP",
         {"3", "3", "2"}},
        {"track click after the thumb",
         [] { PostScroll("SpeedSet", scPageDown); },
         "SpeedSet",
         "pnSP",
         {"3", "3", "4"}},
        {"track click before the thumb",
         [] { PostScroll("PengSet", scPageUp); },
         "PengSet",
         "pnPG",
         {"1", "1"}},
        {"thumb dragged 3 to 5 and let go",
         [] {
             PostScroll("SpeedSet", scTrack, 4);
             PostScroll("SpeedSet", scTrack, 5);
             PostCall([] { EXPECT_EQ(Control("pnSP").caption, "5") << "before the release"; });
             PostScroll("SpeedSet", scTrack, 5);
             PostScroll("SpeedSet", scPosition, 5);
             PostScroll("SpeedSet", scEndScroll);
         },
         "SpeedSet",
         "pnSP",
         {"3", "3", "4", "5"}},
        {"thumb dragged beyond the end",
         [] { PostScroll("PengSet", scTrack, 99); },
         "PengSet",
         "pnPG",
         {"1", "1", "5"}},
        {"keys Right, Right on SpeedSet",
         [] {
             Keys({VK_TAB, VK_TAB, VK_RIGHT, VK_RIGHT});
         },
         "SpeedSet",
         "pnSP",
         {"3", "3", "4", "5"}},
        {"keys Down, Up on PengSet",
         [] {
             Keys({VK_TAB, VK_TAB, VK_TAB, VK_DOWN, VK_UP});
         },
         "PengSet",
         "pnPG",
         {"1", "1", "2", "1"}},
        {"keys End, Right, Home, Left",
         [] {
             Keys({VK_TAB, VK_TAB, VK_END, VK_RIGHT, VK_HOME, VK_LEFT});
         },
         "SpeedSet",
         "pnSP",
         {"3", "3", "6", "1"}},
        {"keys Page Down, Page Up",
         [] {
             Keys({VK_TAB, VK_TAB, VK_NEXT, VK_PRIOR});
         },
         "SpeedSet",
         "pnSP",
         {"3", "3", "4", "3"}},
        {"Right on a button moves no bar",
         [] { Keys({VK_RIGHT}); },
         "SpeedSet",
         "pnSP",
         {"3", "3"}},
    };
    for (const auto& c : cases) {
        SetUp();
        c.post();
        const std::string label = c.name;
        PostCall([&] {
            EXPECT_EQ(Control(c.box).caption, std::to_string(Control(c.bar).position)) << label;
            EXPECT_FALSE(std::filesystem::exists(SettingsPath())) << label;
        });
        Keys({VK_ESCAPE});
        EXPECT_TRUE(RunClosed()) << label;
        EXPECT_EQ(Control(c.box).captions, c.captions) << label;
        EXPECT_FALSE(std::filesystem::exists(SettingsPath())) << label;
        EXPECT_TRUE(Recorded().errorBoxes.empty()) << label << ": " << ErrorText();
    }
}

TEST_F(OptionsDialog, TabWalksOkCancelSpeedPenguinsBothWays) {
    std::vector<std::string> seen;
    const auto note = [&] { PostCall([&] { seen.push_back(FocusedControl()); }); };
    note();
    for (int i = 0; i < 4; ++i) {
        PostKey(VK_TAB);
        note();
    }
    for (int i = 0; i < 4; ++i) {
        PostKey(VK_TAB, ssShift);
        note();
    }
    Run({"/c"});
    const std::vector<std::string> expected{"OKBtn",   "CancelBtn", "SpeedSet",  "PengSet", "OKBtn",
                                            "PengSet", "SpeedSet",  "CancelBtn", "OKBtn"};
    EXPECT_EQ(seen, expected);
}

TEST_F(OptionsDialog, IsACentredGreyDialogWithItsControlsInPlace) {
    headless::Reset(1024, 768);
    EXPECT_FALSE(RunClosed());
    const auto& w = Recorded().windows.at(0);
    EXPECT_EQ(w.className, "TOKBottomDlg");
    EXPECT_EQ(w.caption, "Screen Saver Option");
    EXPECT_EQ((std::vector{w.left, w.top, w.width, w.height}), (std::vector{387, 318, 250, 132}));
    EXPECT_FALSE(w.borderless);
    EXPECT_FALSE(w.stayOnTop);
    // Panel1's children sit inside its two-pixel border.
    EXPECT_EQ(Control("Label1").bounds, Rect(18, 20, 51, 34));
    EXPECT_EQ(Control("SpeedSet").bounds, Rect(82, 22, 203, 31));
    EXPECT_EQ(Control("pnPG").bounds, Rect(210, 41, 231, 62));
    EXPECT_EQ(Control("OKBtn").bounds, Rect(67, 100, 127, 124));
    std::vector<std::string> order;
    for (const auto& c : Recorded().controls) {
        order.push_back(c.name);
    }
    const std::vector<std::string> creation{"Label3", "OKBtn",    "CancelBtn", "Panel1",  "Label1",
                                            "Label2", "SpeedSet", "pnSP",      "PengSet", "pnPG"};
    EXPECT_EQ(order, creation);
    EXPECT_EQ(Control("CancelBtn").caption, "&Cancel");
}

// Makes the settings file unwritable in one of the ways a user's system can.
struct Unwritable {
    const char* name;
    void (*make)(const std::filesystem::path& settingsDir);
};

TEST_F(OptionsDialog, AFailedWriteShowsTheErrorAndKeepsTheDialogOpen) {
    const Unwritable cases[] = {
        {"the file is a directory",
         [](const std::filesystem::path& dir) {
             std::filesystem::create_directories(dir / "glacimo" / Build::SettingsFile);
         }},
        {"the configuration folder lies below a regular file",
         [](const std::filesystem::path& dir) {
             std::ofstream(dir / "plain") << "x";
             ::setenv("XDG_CONFIG_HOME", (dir / "plain" / "config").c_str(), 1);
         }},
    };
    const std::string message = std::string(Build::SettingsFile) + " に書き込めません";
    for (const auto& c : cases) {
        SetUp();
        c.make(settingsDir);
        bool openAfterFailure = false;
        headless::PostClick("OKBtn");
        PostCall([&] { openAfterFailure = Recorded().windows.at(0).visible; });
        PostKey(VK_RETURN); // OK again, and again it fails
        headless::PostClick("CancelBtn");
        EXPECT_TRUE(RunClosed()) << c.name;
        EXPECT_TRUE(openAfterFailure) << c.name;
        ASSERT_EQ(Recorded().errorBoxes.size(), 2u) << c.name;
        for (const auto& box : Recorded().errorBoxes) {
            EXPECT_EQ(box.caption, DefaultTitle()) << c.name;
            EXPECT_EQ(box.text, message) << c.name;
        }
    }
}

TEST_F(OptionsDialog, ASpeedWrittenBeforeAFailingPenguinCountStaysWritten) {
    // The speed's write shortens the file; adding the penguin count then exceeds the file size
    // limit, so only the second write fails.
    const std::string before = "[Glacimo]\nSpeed=10\n";
    WriteSettings(before);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    bool openAfterFailure = false;
    PostCall([&] {
        rlimit limit = saved;
        limit.rlim_cur = before.size() - 1;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    headless::PostClick("OKBtn");
    PostCall([&] {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        openAfterFailure = Recorded().windows.at(0).visible;
    });
    PostKey(VK_ESCAPE);
    const bool closed = RunClosed();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(ErrorText(), std::string(Build::SettingsFile) + " に書き込めません");
    EXPECT_EQ(Stored("Speed"), "6");
    EXPECT_EQ(Stored("Penguins"), "(missing)");
}

} // namespace
