// Finds the program's top-level window on the X display, prints its client
// size and position as WIDTHxHEIGHT+X+Y and asks it to close through the
// window manager protocol (WM_DELETE_WINDOW), as a close box would.
//   x11_close TITLE-PREFIX SECONDS [maximise]
// With "maximise" (a window manager must be running) it first maximises the
// window through the window manager, restores it, asks for a bigger size as
// a drag on the border would, and prints the size after each step.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

Display* display = nullptr;

Atom atom(const char* name) { return XInternAtom(display, name, False); }

bool titleStartsWith(Window window, const char* prefix) {
    char* name = nullptr;
    bool matches = false;
    if (XFetchName(display, window, &name) && name) {
        matches = std::strncmp(name, prefix, std::strlen(prefix)) == 0;
        XFree(name);
    }
    return matches;
}

std::vector<Window> windowProperty(Window window, const char* name, Atom type) {
    std::vector<Window> values;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom(name), 0, 4096, False, type, &actualType, &format,
                           &count, &after, &data) == Success &&
        data) {
        if (format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values.assign(items, items + count);
        }
        XFree(data);
    }
    return values;
}

// The viewable top-level window whose title starts with prefix, or 0: among
// the window manager's clients when one runs, else among the root's children.
Window findWindow(const char* prefix) {
    const Window root = DefaultRootWindow(display);
    std::vector<Window> candidates = windowProperty(root, "_NET_CLIENT_LIST", XA_WINDOW);
    if (candidates.empty()) {
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) && children) {
            candidates.assign(children, children + count);
            XFree(children);
        }
    }
    for (Window candidate : candidates) {
        XWindowAttributes attributes{};
        if (titleStartsWith(candidate, prefix) &&
            XGetWindowAttributes(display, candidate, &attributes) &&
            attributes.map_state == IsViewable)
            return candidate;
    }
    return 0;
}

bool waitFor(const std::function<bool()>& condition, double seconds) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string sizeOf(Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    return std::to_string(attributes.width) + "x" + std::to_string(attributes.height);
}

std::string geometryOf(Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return sizeOf(window) + "+" + std::to_string(x) + "+" + std::to_string(y);
}

void sendToWindowManager(Window window, const char* message, const std::vector<long>& data) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom(message);
    event.xclient.format = 32;
    for (std::size_t i = 0; i < data.size() && i < 5; ++i)
        event.xclient.data.l[i] = data[i];
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

void setMaximised(Window window, bool maximised) {
    // Source 2: the request comes from a pager, that is from the user.
    sendToWindowManager(window, "_NET_WM_STATE",
                        {maximised ? 1 : 0, static_cast<long>(atom("_NET_WM_STATE_MAXIMIZED_VERT")),
                         static_cast<long>(atom("_NET_WM_STATE_MAXIMIZED_HORZ")), 2});
}

bool allows(Window window, const char* action) {
    for (Window allowed : windowProperty(window, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
        if (allowed == atom(action))
            return true;
    }
    return false;
}

// Maximises, restores and asks for a bigger size; false when the window
// manager does not offer to maximise.
bool maximiseAndRestore(Window window) {
    if (!allows(window, "_NET_WM_ACTION_MAXIMIZE_HORZ") ||
        !allows(window, "_NET_WM_ACTION_MAXIMIZE_VERT")) {
        std::printf("maximise not allowed\n");
        return false;
    }
    const std::string normalSize = sizeOf(window);

    setMaximised(window, true);
    waitFor([&] { return sizeOf(window) != normalSize; }, 5);
    std::printf("maximised: %s\n", sizeOf(window).c_str());

    setMaximised(window, false);
    waitFor([&] { return sizeOf(window) == normalSize; }, 5);
    std::printf("restored: %s\n", sizeOf(window).c_str());

    // _NET_MOVERESIZE_WINDOW with width and height from a pager: what a
    // drag on a sizing border would ask the window manager for.
    sendToWindowManager(window, "_NET_MOVERESIZE_WINDOW",
                        {(1 << 10) | (1 << 11) | (2 << 12), 0, 0, 800, 900});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    waitFor([&] { return sizeOf(window) == normalSize; }, 5);
    std::printf("after a bigger size was asked for: %s\n", sizeOf(window).c_str());
    return true;
}

void askToClose(Window window) {
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = atom("WM_PROTOCOLS");
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(atom("WM_DELETE_WINDOW"));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv) {
    display = argc >= 3 ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 2;
    Window window = 0;
    if (!waitFor([&] { return (window = findWindow(argv[1])) != 0; }, std::atoi(argv[2])))
        return 1;
    std::printf("%s\n", geometryOf(window).c_str());
    std::fflush(stdout);
    const bool maximise = argc >= 4 && std::strcmp(argv[3], "maximise") == 0;
    const bool passed = !maximise || maximiseAndRestore(window);
    std::fflush(stdout);
    askToClose(window);
    XCloseDisplay(display);
    return passed ? 0 : 3;
}
