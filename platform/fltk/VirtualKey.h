#pragma once

#include <cstdint>

// The Windows virtual-key code of an FLTK key number (Fl::event_key()); 0 for keys that have none.
uint16_t VirtualKeyFromFltk(int key);
