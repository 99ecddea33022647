#pragma once

#include "platform/TBitmap.h"
#include "platform/TFormDescription.h"
#include "platform/TScrollBar.h"
#include "platform/Types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The headless backend's side facing the tests: a bitmap is the screen, input and timer ticks are
// queued by the test and delivered one at a time, in the order a message loop delivers them, and
// what the program shows in boxes or sounds is recorded.
namespace headless {

struct Box {
    std::string caption;
    std::string text;
};

struct WindowState {
    std::string className;
    std::string caption;
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    bool destroyed = false;
    bool stayOnTop = false;
    bool borderless = false;
    bool imeDisabled = false;
    TCursor cursor = crDefault;
};

// A control of a form as the user would see it, kept after the form is gone.
struct ControlState {
    std::string form; // the form's class name
    std::string name;
    TComponentKind kind = TComponentKind::Label;
    TRect bounds;                      // in the form's client coordinates
    std::string caption;               // as stored, '&' included
    std::vector<std::string> captions; // the stored caption, then one entry per caption set
    int32_t position = 0;              // scroll bars
    std::vector<int32_t> positions;    // scroll bars: the stored position, then every change
    bool focused = false;
};

// Everything the program did that a user would notice, apart from the screen.
struct Record {
    int beeps = 0;
    std::vector<Box> messageBoxes;
    std::vector<Box> errorBoxes;
    std::vector<std::string> guardsCreated; // names, in order
    std::vector<TMessage> defaultHandled;   // messages that reached the platform's handling
    int backgroundErases = 0;               // erases the platform painted itself
    int paints = 0;
    int ticksDelivered = 0;
    bool loopRan = false;
    bool loopRanDry = false;            // the queue emptied while the main window was still open
    std::vector<WindowState> windows;   // every form the program created, in creation order
    std::vector<ControlState> controls; // every control of those forms, in creation order
};

// Starts a fresh machine: screen of this size filled with 0x00FF00FF (a colour nothing draws),
// cursor at (0, 0), no guards held, no foreign windows, empty queue and record.
void Reset(int32_t screenWidth, int32_t screenHeight);

void SetCursorPos(int32_t x, int32_t y);
// Another process's top-level window of this class.
void AddForeignWindow(const std::string& className);
// Another process holds the guard of this name.
void HoldGuard(const std::string& name);
// The next guard creation fails for a reason other than an existing object.
void FailNextGuard();

// Queued events, delivered by the running message loop to the main window. Input and window
// messages come in queue order; a pending paint goes before a tick, as a Win32 loop hands them out.
void PostKey(uint16_t key, TShiftState shift = 0);
// A mouse click on a control of the main window: a button takes the focus and is pressed, a
// scroll bar takes the focus.
void PostClick(const std::string& control);
// The user works a scroll bar of the main window (arrow or track click, thumb drag or release);
// it takes the focus first, as a clicked scroll bar does.
void PostScroll(const std::string& control, TScrollCode code, int32_t pos = 0);
void PostMouseDown(TMouseButton button, int32_t x, int32_t y);
void PostMouseMove(int32_t x, int32_t y); // also moves the cursor; x, y in screen pixels
void PostActivate(uint32_t wParam);       // WM_ACTIVATE
// A raw window message; result, when given, receives what the window answered.
void PostMessage(uint32_t msg, uint32_t wParam, uint32_t lParam, int32_t* result = nullptr);
void PostPaint(const TRect& invalid); // invalidates a rectangle of the window
void PostTick();                      // one tick of every enabled timer
// Runs fn inside the loop at this point of the queue (to look at the screen between events).
void PostCall(std::function<void()> fn);

// Runs the program's entry point as the platform's start-up does, with these arguments (element 0
// is the program's path), and returns its exit code.
int RunProgram(const std::vector<std::string>& args, int (*entry)());

const TBitmap& Screen();
// The last created control of this name; a state with an empty name when there is none.
const ControlState& Control(const std::string& name);
const Record& Recorded();

} // namespace headless
