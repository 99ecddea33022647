#pragma once

#include "platform/TControl.h"

// A line of text drawn on its parent's colour. It never takes the focus.
class TLabel : public TControl {
public:
    using TControl::TControl;

    bool AutoSize() const { return Description().AutoSize; }
};
