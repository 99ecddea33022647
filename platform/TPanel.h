#pragma once

#include "platform/TControl.h"

// A panel: a container with an optional border that shows its caption centred.
class TPanel : public TControl {
public:
    using TControl::TControl;
};
