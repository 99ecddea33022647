// The FLTK backend's timers: FLTK timeouts, with ticks that fall due while the program is busy
// merged into one, and none before the main form's first paint.
#include "platform/TApplication.h"
#include "platform/TForm.h"
#include "platform/TTimer.h"
#include "platform/fltk/FltkNative.h"

#include <FL/Fl.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<TTimerNative*>& Deferred() {
    static std::vector<TTimerNative*> deferred;
    return deferred;
}

void Forget(TTimerNative* n);
void OnTimeout(void* data);

// Measurement hook, not behaviour: with GLACIMO_TICK_LOG=path every tick appends the steady
// clock's time in microseconds to that file, one line each, for bench/pacing.sh. One write per
// line, so that a killed program loses none.
int TickLog() {
    static const int fd = [] {
        const char* path = std::getenv("GLACIMO_TICK_LOG");
        return path == nullptr || *path == 0
                   ? -1
                   : open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    }();
    return fd;
}

void LogTick() {
    const int fd = TickLog();
    if (fd < 0) {
        return;
    }
    const auto us =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch());
    char line[32];
    const int n = std::snprintf(line, sizeof line, "%lld\n", static_cast<long long>(us.count()));
    if (n > 0) {
        // A failed write costs the measurement, never the program.
        [[maybe_unused]] const ssize_t written = write(fd, line, size_t(n));
    }
}

std::chrono::milliseconds IntervalOf(const TTimerNative* n) {
    return std::chrono::milliseconds(n->timer->Interval());
}

void Schedule(TTimerNative* n, Clock::duration delay) {
    n->due = Clock::now() + delay;
    Fl::add_timeout(std::chrono::duration<double>(delay).count(), OnTimeout, n);
}

// The scene's first tick restores what the first paint saved, so a tick waits for that paint.
bool MainFormPainted() {
    const TForm* main = Application != nullptr ? Application->MainForm() : nullptr;
    return main == nullptr || (main->Native() != nullptr && main->Native()->painted);
}

void ScheduleNext(TTimerNative* n) {
    const auto interval = IntervalOf(n);
    const auto now = Clock::now();
    const auto late = now - n->due;
    if (late > interval) {
        // Late by more than a period: the missed ticks are gone, the next one is a period away.
        // Inside a timeout FLTK takes the lateness off every new timeout, add_timeout's too, so
        // it is added back.
        n->due = now + interval;
        Fl::add_timeout(std::chrono::duration<double>(interval + late).count(), OnTimeout, n);
        return;
    }
    n->due += interval;
    Fl::repeat_timeout(std::chrono::duration<double>(interval).count(), OnTimeout, n);
}

void OnTimeout(void* data) {
    auto* n = static_cast<TTimerNative*>(data);
    if (!MainFormPainted()) {
        Deferred().push_back(n);
        return;
    }
    // Scheduled before the handler runs, so that a handler that stops the timer stops it.
    ScheduleNext(n);
    if (n->firing) {
        return; // the previous tick is still running (a box it opened); this one merges into it
    }
    n->firing = true;
    LogTick();
    n->timer->Fire();
    n->firing = false;
}

void Forget(TTimerNative* n) {
    Fl::remove_timeout(OnTimeout, n);
    auto& d = Deferred();
    d.erase(std::remove(d.begin(), d.end(), n), d.end());
}

} // namespace

void FltkReleaseDeferredTicks() {
    auto deferred = std::move(Deferred());
    Deferred().clear();
    for (TTimerNative* n : deferred) {
        Schedule(n, Clock::duration::zero());
    }
}

void TTimerNativeDeleter::operator()(TTimerNative* n) const noexcept {
    Forget(n);
    delete n;
}

void TTimer::Restart() {
    if (!native_) {
        if (!enabled_) {
            return;
        }
        native_.reset(new TTimerNative);
        native_->timer = this;
    }
    Forget(native_.get());
    if (enabled_ && interval_ > 0) {
        Schedule(native_.get(), std::chrono::milliseconds(interval_));
    }
}
