// Finds the program's top-level window on the X display, prints its client
// geometry as WIDTHxHEIGHT+X+Y and asks it to close through the window
// manager protocol (WM_DELETE_WINDOW), as a close box would.
//   x11_close TITLE-PREFIX SECONDS
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// The viewable top-level window whose title starts with prefix, or 0.
Window findWindow(Display* display, const char* prefix, XWindowAttributes& attributes) {
    Window root = DefaultRootWindow(display), parent = 0, found = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strncmp(name, prefix, std::strlen(prefix)) == 0 &&
                XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = children[i];
            XFree(name);
        }
    }
    XFree(children);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 2;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    XWindowAttributes attributes{};
    Window window = 0;
    while (!(window = findWindow(display, argv[1], attributes)) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!window)
        return 1;
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
    XCloseDisplay(display);
    return 0;
}
