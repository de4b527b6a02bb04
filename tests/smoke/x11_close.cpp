// Finds the program's top-level window on an X display, prints its client
// geometry as WIDTHxHEIGHT+X+Y and asks it to close through the window
// manager protocol (WM_DELETE_WINDOW), as a close box would.
//
//   x11_close TITLE-PREFIX SECONDS
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

Window findWindow(Display* display, const std::string& prefix) {
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strncmp(name, prefix.c_str(), prefix.size()) == 0)
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_close TITLE-PREFIX SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x11_close: cannot open the display\n");
        return 2;
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    Window window = 0;
    XWindowAttributes attributes{};
    while (std::chrono::steady_clock::now() < deadline) {
        window = findWindow(display, argv[1]);
        if (window && XGetWindowAttributes(display, window, &attributes) &&
            attributes.map_state == IsViewable)
            break;
        window = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!window) {
        std::fprintf(stderr, "x11_close: no window titled '%s...'\n", argv[1]);
        return 1;
    }
    std::printf("%dx%d+%d+%d\n", attributes.width, attributes.height, attributes.x, attributes.y);
    std::fflush(stdout);

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
