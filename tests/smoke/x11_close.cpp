// Finds the program's top-level window on the X display, prints its client
// geometry as WIDTHxHEIGHT+X+Y and asks it to close through the window
// manager protocol (WM_DELETE_WINDOW), as a close box would.
//   x11_close TITLE-PREFIX SECONDS
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// The viewable top-level window whose title starts with prefix, or 0.
static Window findWindow(Display* display, const char* prefix, XWindowAttributes& attributes) {
    Window root, parent, found = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name &&
            std::strncmp(name, prefix, std::strlen(prefix)) == 0 &&
            XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable)
            found = children[i];
        XFree(name);
    }
    XFree(children);
    return found;
}

int main(int argc, char** argv) {
    Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 2;
    XWindowAttributes attributes{};
    Window window = 0;
    for (int wait = 200 * std::atoi(argv[2]); !window && wait > 0; --wait, usleep(5000))
        window = findWindow(display, argv[1], attributes);
    if (!window)
        return 1;
    std::printf("%dx%d+%d+%d\n", attributes.width, attributes.height, attributes.x, attributes.y);
    std::fflush(stdout);
    XEvent close{};
    close.xclient = {ClientMessage,
                     0,
                     False,
                     display,
                     window,
                     XInternAtom(display, "WM_PROTOCOLS", False),
                     32,
                     {}};
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &close);
    XCloseDisplay(display);
    return 0;
}
