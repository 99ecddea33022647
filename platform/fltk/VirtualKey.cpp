#include "platform/fltk/VirtualKey.h"

#include <FL/Enumerations.H>

#include <array>

namespace {

struct KeyPair {
    int fltk;
    uint16_t vk;
};

constexpr std::array<KeyPair, 36> kNamedKeys{{
    {FL_BackSpace, 0x08}, {FL_Tab, 0x09},       {FL_Enter, 0x0D},     {FL_KP_Enter, 0x0D},
    {FL_Pause, 0x13},     {FL_Caps_Lock, 0x14}, {FL_Escape, 0x1B},    {' ', 0x20},
    {FL_Page_Up, 0x21},   {FL_Page_Down, 0x22}, {FL_End, 0x23},       {FL_Home, 0x24},
    {FL_Left, 0x25},      {FL_Up, 0x26},        {FL_Right, 0x27},     {FL_Down, 0x28},
    {FL_Print, 0x2C},     {FL_Insert, 0x2D},    {FL_Delete, 0x2E},    {FL_Meta_L, 0x5B},
    {FL_Meta_R, 0x5C},    {FL_Menu, 0x5D},      {FL_Num_Lock, 0x90},  {FL_Scroll_Lock, 0x91},
    {FL_Shift_L, 0x10},   {FL_Shift_R, 0x10},   {FL_Control_L, 0x11}, {FL_Control_R, 0x11},
    {FL_Alt_L, 0x12},     {FL_Alt_R, 0x12},     {'-', 0xBD},          {'=', 0xBB},
    {',', 0xBC},          {'.', 0xBE},          {'/', 0xBF},          {';', 0xBA},
}};

} // namespace

uint16_t VirtualKeyFromFltk(int key) {
    if (key >= 'a' && key <= 'z') {
        return uint16_t(key - 'a' + 'A');
    }
    if (key >= '0' && key <= '9') {
        return uint16_t(key);
    }
    if (key >= FL_F + 1 && key <= FL_F + 24) {
        return uint16_t(0x70 + (key - FL_F - 1));
    }
    if (key >= FL_KP + '0' && key <= FL_KP + '9') {
        return uint16_t(0x60 + (key - FL_KP - '0'));
    }
    for (const KeyPair& k : kNamedKeys) {
        if (k.fltk == key) {
            return k.vk;
        }
    }
    return 0;
}
