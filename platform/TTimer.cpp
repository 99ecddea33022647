#include "platform/TTimer.h"

#include "platform/TApplication.h"

TTimer::TTimer() = default;

TTimer::~TTimer() {
    enabled_ = false;
    Restart();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Restart();
    }
}

void TTimer::SetInterval(uint32_t ms) {
    if (ms != interval_) {
        interval_ = ms;
        Restart();
    }
}

void TTimer::Fire() {
    if (!enabled_ || !OnTimer) {
        return;
    }
    Application->Guarded([this] { OnTimer(this); });
}
