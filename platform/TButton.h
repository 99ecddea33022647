#pragma once

#include "platform/TControl.h"

// A push button. Enter presses the focused button, or the default one when focus is elsewhere;
// Escape presses the cancel button.
class TButton : public TControl {
public:
    using TControl::TControl;

    bool Default() const { return Description().Default; }
    bool Cancel() const { return Description().Cancel; }

    // Runs OnClick. Exceptions escape to the caller.
    void Click();
    // The user pressed the button: Click, with what escapes it shown in the error box.
    void Press();

    TNotifyEvent OnClick;
};
