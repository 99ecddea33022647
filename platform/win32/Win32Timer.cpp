// Timers as SetTimer timers of one hidden message-only window. WM_TIMER is generated only when the
// queue holds nothing else and never piles up, so ticks that fall due while the program is busy
// merge into one.
#include "platform/win32/Win32Native.h"

#include "platform/Exception.h"
#include "platform/TTimer.h"

#include <map>

namespace {

constexpr char kTimerWindowClass[] = "TGlacimoTimerWindow";

std::map<UINT_PTR, TTimer*>& Running() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

void Tick(UINT_PTR id) {
    if (win32::ModalDepth > 0 || Running().count(id) == 0) {
        return;
    }
    win32::PaintPendingForms();
    // A paint handler may have stopped the timer.
    const auto it = Running().find(id);
    if (it != Running().end()) {
        it->second->Fire();
    }
}

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        Tick(wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateTimerWindow() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = win32::Instance();
    wc.lpszClassName = kTimerWindowClass;
    RegisterClassExA(&wc);
    return CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           win32::Instance(), nullptr);
}

// Made on first use; it lives as long as the process.
HWND TimerWindow() {
    static HWND window = CreateTimerWindow();
    return window;
}

UINT_PTR NextTimerId() {
    static UINT_PTR next = 0;
    return ++next;
}

} // namespace

void TTimerNativeDeleter::operator()(TTimerNative* n) const noexcept {
    delete n;
}

void TTimer::Restart() {
    const bool run = enabled_ && interval_ > 0;
    if (!native_) {
        if (!run) {
            return;
        }
        native_.reset(new TTimerNative);
        native_->id = NextTimerId();
    }
    const UINT_PTR id = native_->id;
    if (!run) {
        Running().erase(id);
        KillTimer(TimerWindow(), id);
        return;
    }
    const UINT ms = interval_ < USER_TIMER_MAXIMUM ? UINT(interval_) : UINT(USER_TIMER_MAXIMUM);
    if (TimerWindow() == nullptr || SetTimer(TimerWindow(), id, ms, nullptr) == 0) {
        throw Exception("The timer cannot be started.");
    }
    Running()[id] = this;
}
