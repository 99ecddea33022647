// The FLTK backend's system services, over X11. The guard lives in posix/InstanceGuard.cpp.
#include "platform/Startup.h"
#include "platform/System.h"
#include "platform/TApplication.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cctype>
#include <cstring>

namespace {

std::vector<std::string>& Params() {
    static std::vector<std::string> params;
    return params;
}

// Windows come and go while the tree is walked; a window that went is no error.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

bool HasClass(Display* d, Window w, const char* className) {
    XClassHint hint{};
    if (XGetClassHint(d, w, &hint) == 0) {
        return false;
    }
    const bool match = (hint.res_class != nullptr && std::strcmp(hint.res_class, className) == 0) ||
                       (hint.res_name != nullptr && std::strcmp(hint.res_name, className) == 0);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

// Searches w's children, and theirs down to depth levels: a reparenting window manager puts a
// client window one or two levels below the root.
bool FindBelow(Display* d, Window w, const char* className, int depth) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count) == 0) {
        return false;
    }
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        found = HasClass(d, children[i], className) ||
                (depth > 1 && FindBelow(d, children[i], className, depth - 1));
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

} // namespace

int StartProgram(int argc, char** argv, int (*entry)()) {
    Params().assign(argv, argv + argc);
    int code = 0;
    {
        TApplication app;
        app.Title = TApplication::TitleFromPath(argc > 0 ? argv[0] : "");
        Application = &app;
        code = entry();
        // The application object goes here, destroying its forms.
    }
    Application = nullptr;
    return code;
}

bool System::FindWindowByClass(const char* className) {
    Display* d = fl_display != nullptr ? fl_display : XOpenDisplay(nullptr);
    if (d == nullptr) {
        return false;
    }
    XSync(d, False);
    auto* previous = XSetErrorHandler(IgnoreXError);
    const bool found = FindBelow(d, DefaultRootWindow(d), className, 3);
    XSync(d, False);
    XSetErrorHandler(previous);
    if (d != fl_display) {
        XCloseDisplay(d);
    }
    return found;
}

void System::Beep() {
    if (fl_display != nullptr) {
        XBell(fl_display, 0);
        XFlush(fl_display);
    }
}

TPoint System::GetCursorPos() {
    int x = 0, y = 0;
    Fl::get_mouse(x, y);
    return TPoint{x, y};
}

TPoint System::PrimaryScreenSize() {
    int x = 0, y = 0, w = 0, h = 0;
    Fl::screen_xywh(x, y, w, h, 0);
    return TPoint{w, h};
}

std::string System::AnsiUpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 'a' + 'A');
        }
    }
    return text;
}

std::vector<std::string> System::ParamStrs() {
    return Params();
}
