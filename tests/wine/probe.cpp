// A Windows console program that the Wine tests run next to the saver, under the same Wine, to
// look at and act on windows from the Win32 side. One command per run; exit code 0 means the
// command succeeded, 1 that what it waited for did not happen, 2 a usage error.
//
//   probe wait-saver MS        waits until a visible window of class TForm1 exists
//   probe wait-no-saver MS     waits until no window of class TForm1 exists
//   probe saver                prints the TForm1 window: rect, style, exstyle, caption, class
//   probe cursor X Y           puts the cursor at (X, Y)
//   probe key                  presses and releases a key
//   probe click                presses and releases the left mouse button
//   probe activate MS          shows a window of its own, activates it and keeps it for MS
//   probe wait-box MS          waits for a message box; prints "caption|text|icon"
//   probe press-ok             presses OK on the message box
//   probe send MSG WPARAM      sends a message to the saver window; prints the result
//   probe wait-title TEXT MS   waits until a visible top-level window with this title exists
//   probe close-title TEXT     asks the window with this title to close (WM_CLOSE)
//   probe fake-saver MS        shows a window of class TForm1 of its own for MS
//   probe quiet MS [SAVERS]    fails when, within MS, a message box or the options dialog shows
//                              up, or more than SAVERS (default 0) saver windows are visible
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND Saver() {
    return FindWindowA("TForm1", nullptr);
}

// A message box: the system's dialog class.
HWND Box() {
    return FindWindowA("#32770", nullptr);
}

HWND Titled(const char* title) {
    return FindWindowA(nullptr, title);
}

bool Visible(HWND w) {
    return w != nullptr && IsWindowVisible(w);
}

BOOL CALLBACK CountSaver(HWND w, LPARAM count) {
    char name[64] = "";
    GetClassNameA(w, name, sizeof name);
    if (std::strcmp(name, "TForm1") == 0 && IsWindowVisible(w)) {
        ++*reinterpret_cast<long*>(count);
    }
    return TRUE;
}

long VisibleSavers() {
    long count = 0;
    EnumWindows(CountSaver, reinterpret_cast<LPARAM>(&count));
    return count;
}

template <class F> bool WaitFor(long ms, F ready) {
    const DWORD start = GetTickCount();
    while (!ready()) {
        if (long(GetTickCount() - start) > ms) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

std::string Utf8(const wchar_t* text) {
    char buffer[1024];
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return n > 0 ? std::string(buffer) : std::string();
}

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void SendMouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

int PrintSaver() {
    HWND w = Saver();
    if (w == nullptr) {
        return 1;
    }
    RECT r;
    GetWindowRect(w, &r);
    char caption[256] = "";
    GetWindowTextA(w, caption, sizeof caption);
    CURSORINFO ci{};
    ci.cbSize = sizeof ci;
    GetCursorInfo(&ci);
    std::printf("rect=%ld,%ld,%ld,%ld style=%08lx exstyle=%08lx visible=%d caption=%s "
                "cursor=%lx\n",
                r.left, r.top, r.right, r.bottom, GetWindowLongA(w, GWL_STYLE),
                GetWindowLongA(w, GWL_EXSTYLE), IsWindowVisible(w) ? 1 : 0, caption,
                (unsigned long)(uintptr_t)ci.hCursor);
    return 0;
}

LRESULT CALLBACK ProbeWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, msg, wp, lp);
}

// Shows a window of this class for ms, activated, handling its messages.
int ShowOwnWindow(const char* className, long ms) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, className, "Probe", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    const DWORD start = GetTickCount();
    MSG m;
    while (long(GetTickCount() - start) < ms) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&m);
        }
        Sleep(20);
    }
    DestroyWindow(w);
    return 0;
}

int WaitBox(long ms) {
    if (!WaitFor(ms, [] { return Box() != nullptr && IsWindowVisible(Box()); })) {
        return 1;
    }
    HWND box = Box();
    wchar_t caption[256] = L"", text[512] = L"";
    GetWindowTextW(box, caption, 256);
    // The text's control: 0xFFFF in the system's box, 100 in Wine's.
    if (GetDlgItemTextW(box, 0xFFFF, text, 512) == 0) {
        GetDlgItemTextW(box, 100, text, 512);
    }
    // The icon's control: 20 in the system's box, 0x440 in Wine's.
    HWND iconControl =
        GetDlgItem(box, 20) != nullptr ? GetDlgItem(box, 20) : GetDlgItem(box, 0x440);
    const bool icon = iconControl != nullptr && IsWindowVisible(iconControl) &&
                      SendMessageA(iconControl, STM_GETICON, 0, 0) != 0;
    std::printf("%s|%s|%d\n", Utf8(caption).c_str(), Utf8(text).c_str(), icon ? 1 : 0);
    return 0;
}

long Number(const char* s) {
    return std::strtol(s, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const std::string cmd = argv[1];
    const long a = argc > 2 ? Number(argv[2]) : 0;
    const long b = argc > 3 ? Number(argv[3]) : 0;
    if (cmd == "wait-saver") {
        return WaitFor(a, [] { return Saver() != nullptr && IsWindowVisible(Saver()); }) ? 0 : 1;
    }
    if (cmd == "wait-no-saver") {
        return WaitFor(a, [] { return Saver() == nullptr; }) ? 0 : 1;
    }
    if (cmd == "saver") {
        return PrintSaver();
    }
    if (cmd == "cursor") {
        return SetCursorPos(int(a), int(b)) ? 0 : 1;
    }
    if (cmd == "key") {
        SendKey('A', false);
        SendKey('A', true);
        return 0;
    }
    if (cmd == "click") {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
        return 0;
    }
    if (cmd == "activate") {
        return ShowOwnWindow("GlacimoProbe", a);
    }
    if (cmd == "fake-saver") {
        return ShowOwnWindow("TForm1", a);
    }
    if (cmd == "wait-title" && argc > 3) {
        return WaitFor(b, [&] { return Visible(Titled(argv[2])); }) ? 0 : 1;
    }
    if (cmd == "close-title" && argc > 2) {
        HWND w = Titled(argv[2]);
        return w != nullptr && PostMessageA(w, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (cmd == "quiet") {
        return WaitFor(a,
                       [b] {
                           return Visible(Box()) || Visible(Titled("Screen Saver Option")) ||
                                  VisibleSavers() > b;
                       })
                   ? 1
                   : 0;
    }
    if (cmd == "wait-box") {
        return WaitBox(a);
    }
    if (cmd == "press-ok") {
        HWND box = Box();
        return box != nullptr && PostMessageA(box, WM_COMMAND, IDOK, 0) ? 0 : 1;
    }
    if (cmd == "send") {
        HWND w = Saver();
        if (w == nullptr) {
            return 1;
        }
        std::printf("%ld\n", long(SendMessageA(w, UINT(a), WPARAM(b), 0)));
        return 0;
    }
    return 2;
}
