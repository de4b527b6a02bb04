#!/usr/bin/env python3
"""Finds the program's top-level window on the X display, prints its client
geometry as WIDTHxHEIGHT+X+Y and asks it to close through the window manager
protocol (WM_DELETE_WINDOW), as a close box would. Xlib through ctypes, so
that it needs nothing beyond Python and libX11.
   x11_close.py TITLE-PREFIX SECONDS
"""
import ctypes
import sys
import time
from ctypes import POINTER, byref, c_char_p, c_int, c_long, c_ulong, c_void_p

xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = c_void_p
xlib.XOpenDisplay.argtypes = [c_char_p]
xlib.XDefaultRootWindow.restype = c_ulong
xlib.XDefaultRootWindow.argtypes = [c_void_p]
xlib.XQueryTree.argtypes = [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong),
                            POINTER(POINTER(c_ulong)), POINTER(ctypes.c_uint)]
xlib.XFetchName.argtypes = [c_void_p, c_ulong, POINTER(c_void_p)]
xlib.XGetWindowAttributes.argtypes = [c_void_p, c_ulong, c_void_p]
xlib.XInternAtom.restype = c_ulong
xlib.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
xlib.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, c_void_p]
xlib.XFree.argtypes = [c_void_p]
xlib.XCloseDisplay.argtypes = [c_void_p]


class Attributes(ctypes.Structure):  # XWindowAttributes
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int),
                ("border_width", c_int), ("depth", c_int), ("visual", c_void_p),
                ("root", c_ulong), ("c_class", c_int), ("bit_gravity", c_int),
                ("win_gravity", c_int), ("backing_store", c_int), ("backing_planes", c_ulong),
                ("backing_pixel", c_ulong), ("save_under", c_int), ("colormap", c_ulong),
                ("map_installed", c_int), ("map_state", c_int), ("all_event_masks", c_long),
                ("your_event_mask", c_long), ("do_not_propagate_mask", c_long),
                ("override_redirect", c_int), ("screen", c_void_p)]


class ClientMessage(ctypes.Structure):  # XClientMessageEvent, padded to an XEvent
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int),
                ("display", c_void_p), ("window", c_ulong), ("message_type", c_ulong),
                ("format", c_int), ("data", c_long * 5), ("pad", c_long * 12)]


def find_window(display, prefix):
    """The viewable top-level window whose title starts with prefix, or None."""
    root, parent, children, count = c_ulong(), c_ulong(), POINTER(c_ulong)(), ctypes.c_uint()
    if not xlib.XQueryTree(display, xlib.XDefaultRootWindow(display), byref(root),
                           byref(parent), byref(children), byref(count)):
        return None
    found = None
    for i in range(count.value):
        name, attributes = c_void_p(), Attributes()
        if xlib.XFetchName(display, children[i], byref(name)) and name.value:
            title = ctypes.string_at(name.value)
            xlib.XFree(name)
            if (title.startswith(prefix) and
                    xlib.XGetWindowAttributes(display, children[i], byref(attributes)) and
                    attributes.map_state == 2):  # IsViewable
                found = (children[i], attributes)
                break
    if children:
        xlib.XFree(children)
    return found


def main():
    display = xlib.XOpenDisplay(None) if len(sys.argv) == 3 else None
    if not display:
        sys.exit(2)
    prefix, deadline = sys.argv[1].encode(), time.monotonic() + int(sys.argv[2])
    while not (found := find_window(display, prefix)) and time.monotonic() < deadline:
        time.sleep(0.005)
    if not found:
        sys.exit(1)
    window, attributes = found
    print("%dx%d+%d+%d" % (attributes.width, attributes.height, attributes.x, attributes.y),
          flush=True)
    close = ClientMessage(type=33, window=window, format=32,  # 33: ClientMessage
                          message_type=xlib.XInternAtom(display, b"WM_PROTOCOLS", 0))
    close.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)  # data[1]: CurrentTime
    xlib.XSendEvent(display, window, 0, 0, byref(close))
    xlib.XCloseDisplay(display)


main()
