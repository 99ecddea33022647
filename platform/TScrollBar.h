#pragma once

#include "platform/TControl.h"

// What the user did to a scroll bar, as the window system reports it.
enum class TScrollCode {
    scLineUp,   // left arrow button or key
    scLineDown, // right arrow button or key
    scPageUp,   // a click into the track before the thumb, or Page Up
    scPageDown, // a click into the track after the thumb, or Page Down
    scPosition, // the thumb was let go at a position
    scTrack,    // the thumb is being dragged and now stands at a position
    scTop,      // Home
    scBottom,   // End
    scEndScroll // the mouse button or key was released
};

// A horizontal scroll bar whose value is Position, always within Min to Max.
class TScrollBar : public TControl {
public:
    TScrollBar(TForm* form, TControl* parent, const TComponentDescription& description);

    int32_t Min() const { return Description().Min; }
    int32_t Max() const { return Description().Max; }
    int32_t Position() const { return position_; }
    int32_t SmallChange() const { return 1; }
    int32_t LargeChange() const { return 1; }
    // Limits value to Min..Max without error. When the position changes, OnChange runs at once;
    // exceptions escape to the caller.
    void SetPosition(int32_t value);
    // The user moved the bar; what escapes OnChange is shown in the error box. pos counts for
    // scPosition and scTrack only.
    void Scroll(TScrollCode code, int32_t pos);

    TNotifyEvent OnChange;

private:
    int32_t Target(TScrollCode code, int32_t pos) const;

    int32_t position_;
};
