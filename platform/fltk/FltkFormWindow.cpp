#include "platform/fltk/FltkFormWindow.h"

#include "platform/TForm.h"
#include "platform/fltk/FltkNative.h"
#include "platform/fltk/VirtualKey.h"

#include <FL/Fl.H>
#include <FL/x.H>

namespace {

// Low 16 bits x, high 16 bits y, each signed, as the platform's dispatch unpacks them.
uint32_t PackPoint(int x, int y) {
    return uint32_t(uint16_t(int16_t(x))) | (uint32_t(uint16_t(int16_t(y))) << 16);
}

// The MK_ bits of a Win32 mouse message.
uint32_t MouseKeys(int state) {
    uint32_t keys = 0;
    keys |= (state & FL_BUTTON1) ? 0x0001u : 0u;
    keys |= (state & FL_BUTTON3) ? 0x0002u : 0u;
    keys |= (state & FL_SHIFT) ? 0x0004u : 0u;
    keys |= (state & FL_CTRL) ? 0x0008u : 0u;
    keys |= (state & FL_BUTTON2) ? 0x0010u : 0u;
    return keys;
}

void CloseRequested(Fl_Widget* widget, void*) {
    // The window manager's close goes through the form, as WM_CLOSE does; FLTK hides nothing.
    auto* window = static_cast<FltkFormWindow*>(widget);
    TMessage m{WM_CLOSE, 0, 0, 0};
    window->Form()->Dispatch(m);
}

} // namespace

FltkFormWindow::FltkFormWindow(TForm* form, int x, int y, int w, int h)
    : Fl_Window(x, y, w, h), form_(form) {
    end();
    callback(CloseRequested);
}

void FltkFormWindow::Send(uint32_t msg, uint32_t wParam, uint32_t lParam) {
    TMessage m{msg, wParam, lParam, 0};
    form_->Dispatch(m);
}

void FltkFormWindow::SendKey() {
    const uint32_t msg = (Fl::event_state() & FL_ALT) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    Send(msg, VirtualKeyFromFltk(Fl::event_key()), 1);
}

void FltkFormWindow::SendButton() {
    const int button = Fl::event_button();
    const uint32_t msg = button == FL_LEFT_MOUSE     ? WM_LBUTTONDOWN
                         : button == FL_RIGHT_MOUSE  ? WM_RBUTTONDOWN
                         : button == FL_MIDDLE_MOUSE ? WM_MBUTTONDOWN
                                                     : 0;
    if (msg != 0) {
        Send(msg, MouseKeys(Fl::event_state()), PackPoint(Fl::event_x(), Fl::event_y()));
    }
}

void FltkFormWindow::SendMove() {
    Send(WM_MOUSEMOVE, MouseKeys(Fl::event_state()), PackPoint(Fl::event_x(), Fl::event_y()));
}

void FltkFormWindow::SetActive(bool active) {
    TFormNative* n = form_->Native();
    if (n == nullptr || n->active == active) {
        return;
    }
    n->active = active;
    Send(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
}

int FltkFormWindow::handle(int event) {
    const int used = Fl_Window::handle(event);
    switch (event) {
    case FL_KEYDOWN:
        if (!used) {
            SendKey();
        }
        return 1;
    case FL_PUSH:
        if (!used) {
            SendButton();
        }
        return 1;
    case FL_ENTER:
    case FL_MOVE:
    case FL_DRAG: {
        // Moves over a child control are the control's, as on Windows.
        for (int k = 0; k < children(); ++k) {
            if (child(k)->visible() && Fl::event_inside(child(k))) {
                return used;
            }
        }
        SendMove();
        return 1;
    }
    case FL_FOCUS:
        SetActive(true);
        return 1;
    case FL_UNFOCUS:
        // FLTK also unfocuses the window when the focus moves between its own controls.
        if (Fl::focus() == nullptr || !contains(Fl::focus())) {
            SetActive(false);
        }
        return 1;
    default:
        return used;
    }
}

void FltkFormWindow::draw() {
    // A control that redrew itself damages only itself: the form's paint would erase the others.
    if ((damage() & ~FL_DAMAGE_CHILD) == 0) {
        draw_children();
        return;
    }
    TFormNative* n = form_->Native();
    n->painting = true;
    Send(WM_ERASEBKGND, 0, 0);
    Send(WM_PAINT, 0, 0);
    if (children() > 0) {
        draw_children();
    }
    n->painting = false;
    if (!n->painted) {
        n->painted = true;
        FltkReleaseDeferredTicks();
        // Now it is viewable. A window manager may have kept the focus elsewhere (openbox does
        // for a window that appears after the user's last input), but a form that is shown is
        // the active window, and only a window with the focus learns that it lost it.
        if (!n->active) {
            TakeFocus();
        }
    }
}

void FltkFormWindow::TakeFocus() {
    XWindowAttributes a;
    // Under a window manager the window is mapped later, by the manager, which also focuses it.
    if (XGetWindowAttributes(fl_display, fl_xid(this), &a) != 0 && a.map_state == IsViewable) {
        XSetInputFocus(fl_display, fl_xid(this), RevertToParent, CurrentTime);
    }
}

void FltkFormWindow::KeepAbove() {
    const Window xid = fl_xid(this);
    Atom state = XInternAtom(fl_display, "_NET_WM_STATE", False);
    Atom above = XInternAtom(fl_display, "_NET_WM_STATE_ABOVE", False);
    // For a manager that reads the state when it takes the window on...
    XChangeProperty(fl_display, xid, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&above), 1);
    // ...and for one that already has: the EWMH request to add the state.
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = xid;
    e.xclient.message_type = state;
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1; // _NET_WM_STATE_ADD
    e.xclient.data.l[1] = long(above);
    e.xclient.data.l[3] = 1; // from an application
    XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XRaiseWindow(fl_display, xid);
}
