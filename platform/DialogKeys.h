#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <vector>

class TControl;
class TForm;

// Virtual-key codes of the dialog keys. The Win32 backend has them from <windows.h>.
#ifndef VK_TAB
inline constexpr uint16_t VK_TAB = 0x09;
#endif
#ifndef VK_RETURN
inline constexpr uint16_t VK_RETURN = 0x0D;
#endif
#ifndef VK_ESCAPE
inline constexpr uint16_t VK_ESCAPE = 0x1B;
#endif
#ifndef VK_SPACE
inline constexpr uint16_t VK_SPACE = 0x20;
#endif
#ifndef VK_PRIOR
inline constexpr uint16_t VK_PRIOR = 0x21;
#endif
#ifndef VK_NEXT
inline constexpr uint16_t VK_NEXT = 0x22;
#endif
#ifndef VK_END
inline constexpr uint16_t VK_END = 0x23;
#endif
#ifndef VK_HOME
inline constexpr uint16_t VK_HOME = 0x24;
#endif
#ifndef VK_LEFT
inline constexpr uint16_t VK_LEFT = 0x25;
#endif
#ifndef VK_UP
inline constexpr uint16_t VK_UP = 0x26;
#endif
#ifndef VK_RIGHT
inline constexpr uint16_t VK_RIGHT = 0x27;
#endif
#ifndef VK_DOWN
inline constexpr uint16_t VK_DOWN = 0x28;
#endif

// The keyboard interface of a form with controls, for window systems without a dialog manager of
// their own: Tab and Shift+Tab walk the tab order, Enter presses the focused button or else the
// default one, Escape the cancel button, a caption's accelerator letter its button, and the
// arrows, Page Up/Down, Home and End move a focused scroll bar.
namespace DialogKeys {

// The controls that take the focus, in tab order: siblings by TabOrder, each container's
// controls in the container's place.
std::vector<TControl*> TabOrderList(const TForm& form);

// Handles key, pressed with shift held, for form; false when it is no dialog key.
bool Handle(TForm& form, uint16_t key, TShiftState shift);

} // namespace DialogKeys

// Backend: the modifier keys held with the key message being handled.
TShiftState KeyboardShiftState();
