// Closing a game's window from outside. See windowclose.h.
//
// Kept apart from the tests: Xlib's names (Font, Status, None...) clash with raylib's.
#include "windowclose.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <vector>

static bool ownedby(Display* display, Window window, Atom pidatom, pid_t pid)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* value = nullptr;
    bool owned = XGetWindowProperty(display, window, pidatom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                                    &value) == Success &&
                 value && count == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(value)) == pid;
    if (value) XFree(value);
    return owned;
}

static void collect(Display* display, Window window, Atom pidatom, pid_t pid, std::vector<Window>& found)
{
    if (ownedby(display, window, pidatom, pid)) found.push_back(window);
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
    for (unsigned int i = 0; i < count; i++) collect(display, children[i], pidatom, pid, found);
    if (children) XFree(children);
}

bool askwindowtoclose(pid_t pid)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    Atom pidatom = XInternAtom(display, "_NET_WM_PID", False);
    Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    Atom deletewindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    std::vector<Window> windows;
    collect(display, DefaultRootWindow(display), pidatom, pid, windows);
    for (Window window : windows) {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(deletewindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
    }
    XCloseDisplay(display);
    return !windows.empty();
}
