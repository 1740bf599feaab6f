"""The top-level X windows of a display, read straight from the X server
through libX11: fast enough to poll every few milliseconds, so that windows
that show only briefly (the editor's splash) are seen, and start-up times
can be measured."""
import ctypes


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


IS_VIEWABLE = 2
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class XDisplay:
    """An open connection to an X display through libX11 and its root window.
    A subclass declares the further libX11 functions it calls in _declare,
    which runs before the display is opened."""

    def __init__(self, display):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._declare(x)
        self.x = x
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError(f"cannot open display {display}")
        self.root = x.XDefaultRootWindow(self.dpy)

    def _declare(self, x):
        pass

    def close(self):
        self.x.XCloseDisplay(self.dpy)


class TopWindows(XDisplay):
    """Lists the viewable top-level windows of one X display."""

    def _declare(self, x):
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
        x.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
        # A window that goes away between the listing and the question about
        # it is no error.
        self._ignore = _ERROR_HANDLER(lambda d, e: 0)
        x.XSetErrorHandler(self._ignore)

    def viewable(self):
        """[(title, (x, y, width, height))] of the viewable top-level windows,
        bottom first."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return []
        found = []
        try:
            for i in range(count.value):
                attrs = XWindowAttributes()
                if not self.x.XGetWindowAttributes(self.dpy, children[i], ctypes.byref(attrs)) or \
                        attrs.map_state != IS_VIEWABLE:
                    continue
                name = ctypes.c_char_p()
                title = ""
                if self.x.XFetchName(self.dpy, children[i], ctypes.byref(name)) and name.value is not None:
                    title = name.value.decode(errors="replace")
                    self.x.XFree(name)
                found.append((title, (attrs.x, attrs.y, attrs.width, attrs.height)))
        finally:
            if children:
                self.x.XFree(children)
        return found

    def find(self, title):
        """(x, y, width, height) of the viewable window titled title, or None."""
        for name, rect in self.viewable():
            if name == title:
                return rect
        return None
