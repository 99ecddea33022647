// The Win32 backend from inside the process, under Wine on an X server: what the window class and
// the window carry, what reaches the screen, and the system services.
#include "platform/win32/Win32Native.h"

#include "platform/Startup.h"
#include "platform/System.h"
#include "platform/TApplication.h"
#include "platform/TBitmap.h"
#include "platform/TForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const TFormDescription kProbeDescription{
    .ClassName = "TBackendProbe",
    .Caption = "Backend probe",
    .BorderStyle = TFormBorderStyle::bsNone,
    .FormStyle = TFormStyle::fsStayOnTop,
    .Color = clBtnFace,
    .Left = 20,
    .Top = 30,
    .ClientWidth = 64,
    .ClientHeight = 48,
};

// A form that sees every message first and records the order of paint and erase.
class TProbeForm : public TForm {
public:
    explicit TProbeForm(TApplication* owner) : TForm(owner) { LoadDescription(kProbeDescription); }
    void Dispatch(TMessage& m) override {
        if (m.Msg == WM_SYSCOMMAND && m.WParam == SC_SCREENSAVE) {
            m.Result = 1;
            return;
        }
        if (m.Msg == WM_PAINT) {
            ++paints;
        }
        TForm::Dispatch(m);
    }
    int paints = 0;
};

class Win32Backend : public ::testing::Test {
protected:
    void SetUp() override { Application = &app; }
    void TearDown() override { Application = nullptr; }
    TApplication app;
};

// What the window shows at client pixel (x, y).
uint32_t WindowPixel(HWND hwnd, int32_t x, int32_t y) {
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

TEST_F(Win32Backend, WindowClassAndStyleFollowTheDescription) {
    TProbeForm* form = nullptr;
    app.CreateForm(form);
    HWND hwnd = FindWindowA("TBackendProbe", nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(form->Native()->hwnd, hwnd);
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HCURSOR), 0);
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND), 0);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (WS_POPUP | WS_CAPTION), LONG(WS_POPUP));
    EXPECT_NE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    char caption[64] = "";
    GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Backend probe");

    form->SetBounds(0, 0, 100, 50);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 100);
    EXPECT_EQ(r.bottom, 50);
    EXPECT_TRUE(System::FindWindowByClass("TBackendProbe"));
    EXPECT_FALSE(System::FindWindowByClass("TNoSuchClassHere"));
}

TEST_F(Win32Backend, MessagesReachTheFormBeforeTheSystem) {
    TProbeForm* form = nullptr;
    app.CreateForm(form);
    HWND hwnd = form->Native()->hwnd;
    EXPECT_EQ(SendMessageA(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 1);
    // The platform's erase of a form that does not intercept it: its colour, answered 1.
    EXPECT_EQ(SendMessageA(hwnd, WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(Win32Backend, PresentCopiesExactPixelsFromTheBitmap) {
    TProbeForm* form = nullptr;
    app.CreateForm(form);
    form->SetBounds(0, 0, 64, 48);
    form->Show();
    Pump();
    EXPECT_GE(form->paints, 1);
    TBitmap bitmap;
    bitmap.SetSize(64, 48);
    for (int32_t y = 0; y < 48; ++y) {
        for (int32_t x = 0; x < 64; ++x) {
            bitmap.SetPixel(x, y, uint32_t(x * 4) << 16 | uint32_t(y * 5) << 8 | 0x5A);
        }
    }
    // Bitmap rectangle (10, 7)-(30, 27) to the window at (2, 3).
    form->Present(bitmap, TRect{2, 3, 22, 23}, 10, 7);
    GdiFlush();
    HWND hwnd = form->Native()->hwnd;
    EXPECT_EQ(WindowPixel(hwnd, 2, 3), bitmap.Pixel(10, 7));
    EXPECT_EQ(WindowPixel(hwnd, 21, 22), bitmap.Pixel(29, 26));
    EXPECT_EQ(WindowPixel(hwnd, 12, 13), bitmap.Pixel(20, 17));
    // Outside dest the window keeps what its erase painted.
    EXPECT_EQ(WindowPixel(hwnd, 1, 3), clBtnFace);
    EXPECT_EQ(WindowPixel(hwnd, 22, 23), clBtnFace);
    form->Hide();
}

TEST_F(Win32Backend, TheRunLoopEndsWhenTheMainFormCloses) {
    TProbeForm* form = nullptr;
    app.CreateForm(form);
    PostMessageA(form->Native()->hwnd, WM_CLOSE, 0, 0);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(IsWindowVisible(form->Native()->hwnd));
}

TEST(Win32System, GuardExistsOnceItIsCreated) {
    const std::string name = "GlacimoBackendTest" + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(System::CreateGuard(name.c_str()), System::GuardResult::Created);
    EXPECT_EQ(System::CreateGuard(name.c_str()), System::GuardResult::AlreadyExists);
}

TEST(Win32System, TextServices) {
    EXPECT_EQ(System::AnsiUpperCase("/s:abc"), "/S:ABC");
    EXPECT_EQ(System::AnsiUpperCase(""), "");
    EXPECT_EQ(win32::Widen("Password \xE6\x97\xA5\xE6\x9C\xAC"), L"Password \u65E5\u672C");
    EXPECT_EQ(win32::Widen("a\xFF"), L"a\uFFFD");
    const std::vector<std::string> args = System::ParamStrs();
    ASSERT_FALSE(args.empty());
    EXPECT_NE(args[0].find("glacimo_win32_backend_test"), std::string::npos);
    const TPoint screen = System::PrimaryScreenSize();
    EXPECT_EQ(screen.x, 1024);
    EXPECT_EQ(screen.y, 768);
}

} // namespace
