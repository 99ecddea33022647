#pragma once

#include "platform/TComponent.h"

#include <cstdint>
#include <memory>

struct TTimerNative;
struct TTimerNativeDeleter {
    void operator()(TTimerNative* native) const noexcept; // backend
};

// Fires OnTimer every Interval milliseconds while Enabled, from the message loop only. Ticks that
// fall due while the program is busy merge into one; a tick never interrupts another event.
class TTimer : public TComponent {
public:
    TTimer();
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t ms);

    // Runs OnTimer; an exception escaping it goes to the application's error box.
    void Fire();

    TNotifyEvent OnTimer;

private:
    void Restart(); // backend: applies Enabled and Interval
    bool enabled_ = false;
    uint32_t interval_ = 1000;
    std::unique_ptr<TTimerNative, TTimerNativeDeleter> native_;
};
