// A small X client for the tests that drive a program on an X server:
//   xwindow close <window id>    asks the window to close, as its close box
//                                does (WM_DELETE_WINDOW)
//   xwindow digest <window id>   prints a digest of the window's pixels
// Exit status 0 on success, 1 on failure, 2 on a wrong call.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int closeWindow(Display *display, Window window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(display, window, False, NoEventMask, &event))
        return 1;
    XSync(display, False);
    return 0;
}

int digestWindow(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 1;
    XImage *image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return 1;
    std::uint64_t hash = 1469598103934665603ULL; // FNV-1a over the pixels
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            hash ^= XGetPixel(image, x, y);
            hash *= 1099511628211ULL;
        }
    XDestroyImage(image);
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "close") != 0 && std::strcmp(argv[1], "digest") != 0)) {
        std::fprintf(stderr, "usage: xwindow close|digest <window id>\n");
        return 2;
    }
    const Window window = Window(std::strtoul(argv[2], nullptr, 0));
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xwindow: no display\n");
        return 1;
    }
    const int status = std::strcmp(argv[1], "close") == 0 ? closeWindow(display, window)
                                                          : digestWindow(display, window);
    XCloseDisplay(display);
    return status;
}
