#pragma once

// The FLTK backend's state behind the platform classes. Only the FLTK backend's files include it.
#include "platform/fltk/FltkFormWindow.h"

#include <chrono>
#include <memory>
#include <vector>

class TTimer;

struct TFormNative {
    std::unique_ptr<FltkFormWindow> window;
    // Present's R, G, B buffer where the visual does not take our pixels as they are: at most
    // kConvertBytes, reused, so that a tick allocates nothing and a full-screen paint needs no
    // second screen's worth of memory.
    std::vector<unsigned char> pixels;
    static constexpr int kConvertBytes = 1 << 20;
    const void* advised = nullptr; // the pixels last advised to live in huge pages
    bool painting = false;         // inside draw(): FLTK's clip is the damaged area
    bool painted = false;          // the first paint has run; ticks wait for it
    bool active = false;           // holds the input focus

    Fl_Window* Window() const { return window.get(); }
};

struct TApplicationNative {
    int japaneseFont = -1; // FLTK font index of the boxes' font for non-ASCII text, once set
};

struct TTimerNative {
    TTimer* timer = nullptr;
    std::chrono::steady_clock::time_point due; // when the pending timeout falls due
    bool firing = false;                       // inside OnTimer (a box it opened runs a loop)
};

// Hands out the ticks that fell due before the first paint; the form calls it after that paint.
void FltkReleaseDeferredTicks();
