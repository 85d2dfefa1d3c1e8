#include "HostWindow.h"

#include "RunLoop.h"

#include <AAX_Enums.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <memory>

namespace aaxhost
{
namespace
{
    int shiftOf (unsigned long mask)
    {
        int shift = 0;

        while (mask != 0 && (mask & 1) == 0)
        {
            mask >>= 1;
            ++shift;
        }

        return shift;
    }

    uint8_t channel (unsigned long pixel, unsigned long mask)
    {
        if (mask == 0)
            return 0;

        const auto value = (pixel & mask) >> shiftOf (mask);
        const auto maximum = mask >> shiftOf (mask);
        return (uint8_t)((value * 255 + maximum / 2) / maximum);
    }
}

HostWindow::HostWindow (const std::string& title, int width, int height)
{
    display = XOpenDisplay (nullptr);

    if (display == nullptr)
        throw WindowError ("cannot open the X display (is DISPLAY set?)");

    const auto screen = DefaultScreen (display);

    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel (display, screen);
    attributes.event_mask = StructureNotifyMask;

    window = XCreateWindow (display, RootWindow (display, screen), 0, 0, (unsigned)std::max (width, 1),
                            (unsigned)std::max (height, 1), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWBackPixel | CWEventMask, &attributes);

    XStoreName (display, window, title.c_str());

    deleteWindowAtom = XInternAtom (display, "WM_DELETE_WINDOW", False);
    Atom protocols[] = {deleteWindowAtom};
    XSetWMProtocols (display, window, protocols, 1);

    setContentSize (width, height);
    XSync (display, False);

    auto& runLoop = RunLoop::getMain();
    runLoop.addFd (ConnectionNumber (display), onDisplayReadable, this);
    runLoop.addObserver (beforeWaiting, this);
}

HostWindow::~HostWindow()
{
    auto& runLoop = RunLoop::getMain();
    runLoop.removeObserver (beforeWaiting, this);
    runLoop.removeFd (ConnectionNumber (display), this);

    XDestroyWindow (display, window);
    XSync (display, False);
    XCloseDisplay (display);
}

void HostWindow::setContentSize (int width, int height)
{
    width = std::max (width, 1);
    height = std::max (height, 1);

    // A plug-in view has the size the plug-in asks for: the user cannot resize the window.
    std::unique_ptr<XSizeHints, decltype (&XFree)> hints (XAllocSizeHints(), XFree);
    hints->flags = PMinSize | PMaxSize | PSize;
    hints->min_width = hints->max_width = hints->width = width;
    hints->min_height = hints->max_height = hints->height = height;
    XSetWMNormalHints (display, window, hints.get());

    XResizeWindow (display, window, (unsigned)width, (unsigned)height);
    XSync (display, False);
}

int HostWindow::getWidth() const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes (display, window, &attributes);
    return attributes.width;
}

int HostWindow::getHeight() const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes (display, window, &attributes);
    return attributes.height;
}

void HostWindow::show()
{
    XMapRaised (display, window);
    XFlush (display);

    if (!RunLoop::getMain().runUntil ([this] { return mapped; }, std::chrono::seconds (5)))
        throw WindowError ("the X server did not map the window");
}

void HostWindow::onDisplayReadable (int, void* self)
{
    static_cast<HostWindow*> (self)->handlePendingEvents();
}

void HostWindow::beforeWaiting (void* self)
{
    // Xlib may already have read events into its queue while answering a request; those never make the
    // connection readable again, so they are taken before every wait.
    static_cast<HostWindow*> (self)->handlePendingEvents();
}

void HostWindow::handlePendingEvents()
{
    while (XPending (display) > 0)
    {
        XEvent event;
        XNextEvent (display, &event);

        if (event.xany.window != window)
            continue;

        switch (event.type)
        {
            case MapNotify:
                mapped = true;
                break;
            case UnmapNotify:
                mapped = false;
                break;
            case ClientMessage:
                if ((unsigned long)event.xclient.data.l[0] == deleteWindowAtom)
                    closeRequested = true;
                break;
            default:
                break;
        }
    }
}

Image HostWindow::capture() const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes (display, window, &attributes);

    struct ImageDeleter
    {
        void operator() (XImage* image) const { XDestroyImage (image); } // a macro in Xlib
    };

    const std::unique_ptr<XImage, ImageDeleter> image (
        XGetImage (display, window, 0, 0, (unsigned)attributes.width, (unsigned)attributes.height, AllPlanes, ZPixmap));

    if (image == nullptr)
        throw WindowError ("cannot read the window's pixels (is it mapped?)");

    Image result (attributes.width, attributes.height);

    for (int y = 0; y < result.height; ++y)
    {
        for (int x = 0; x < result.width; ++x)
        {
            const auto pixel = XGetPixel (image.get(), x, y);
            auto* out = result.at (x, y);
            out[0] = channel (pixel, image->red_mask);
            out[1] = channel (pixel, image->green_mask);
            out[2] = channel (pixel, image->blue_mask);
            out[3] = 255;
        }
    }

    return result;
}

uint32_t HostWindow::getModifiers() const
{
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;

    if (!XQueryPointer (display, window, &root, &child, &rootX, &rootY, &x, &y, &mask))
        return AAX_eModifiers_None;

    uint32_t modifiers = AAX_eModifiers_None;

    if ((mask & ShiftMask) != 0)
        modifiers |= AAX_eModifiers_Shift;
    if ((mask & ControlMask) != 0)
        modifiers |= AAX_eModifiers_Control;
    if ((mask & Mod1Mask) != 0)
        modifiers |= AAX_eModifiers_Option;
    if ((mask & Button3Mask) != 0)
        modifiers |= AAX_eModifiers_SecondaryButton;

    return modifiers;
}
}
