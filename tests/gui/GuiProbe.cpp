// A small X client for the GUI tests: reports whether the pointer's cursor shows anything, and
// makes a top-level window of a given class.
//   glacimo_gui_probe cursor          prints "hidden" or "visible"
//   glacimo_gui_probe window CLASS    maps a window of that WM_CLASS and waits to be killed
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

int ReportCursor(Display* d) {
    XFixesCursorImage* image = XFixesGetCursorImage(d);
    if (image == nullptr) {
        std::fputs("no cursor image\n", stderr);
        return 2;
    }
    bool visible = false;
    const unsigned long count = (unsigned long)image->width * image->height;
    for (unsigned long i = 0; i < count && !visible; ++i) {
        visible = (image->pixels[i] >> 24) != 0;
    }
    XFree(image);
    std::puts(visible ? "visible" : "hidden");
    return 0;
}

int MakeWindow(Display* d, const char* className) {
    const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 10, 10, 50, 40, 0, 0, 0);
    char name[] = "probe";
    XClassHint hint{name, const_cast<char*>(className)};
    XSetClassHint(d, w, &hint);
    XMapWindow(d, w);
    XSync(d, False);
    for (;;) {
        pause();
    }
}

} // namespace

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        std::fputs("cannot open the display\n", stderr);
        return 2;
    }
    if (argc == 2 && std::strcmp(argv[1], "cursor") == 0) {
        return ReportCursor(d);
    }
    if (argc == 3 && std::strcmp(argv[1], "window") == 0) {
        return MakeWindow(d, argv[2]);
    }
    std::fputs("usage: glacimo_gui_probe cursor | window CLASS\n", stderr);
    return 2;
}
