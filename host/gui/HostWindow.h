#pragma once

#include "Image.h"

#include <cstdint>
#include <stdexcept>
#include <string>

struct _XDisplay;

namespace aaxhost
{
struct WindowError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/** A top-level X11 window of the host, on a display connection of its own whose events the main run
    loop serves. The plug-in's view is attached inside it; the host sizes it to the view and reads back
    its pixels.

    initialiseX11() must have run first. Everything here belongs on the main thread.
*/
class HostWindow
{
public:
    /** Creates the window, not yet shown; throws WindowError when no display can be opened. */
    HostWindow (const std::string& title, int width, int height);
    ~HostWindow();

    HostWindow (const HostWindow&) = delete;
    HostWindow& operator= (const HostWindow&) = delete;

    /** The X11 window id: what the host's view container hands the plug-in. */
    unsigned long getNativeWindow() const noexcept { return window; }
    _XDisplay* getDisplay() const noexcept { return display; }

    /** Sizes the window to its content and keeps the user from resizing it. */
    void setContentSize (int width, int height);

    /** The window's size as the X server has it. */
    int getWidth() const;
    int getHeight() const;

    /** Maps the window and waits (serving the main run loop) until the server has mapped it. */
    void show();
    bool isShowing() const noexcept { return mapped; }

    /** True once the user asked to close the window (the window manager's close button). */
    bool isCloseRequested() const noexcept { return closeRequested; }

    /** The window's pixels as the server has them, child windows included. */
    Image capture() const;

    /** The modifier keys and secondary button held now, as AAX_EModifiers bits. */
    uint32_t getModifiers() const;

private:
    static void onDisplayReadable (int fd, void* self);
    static void beforeWaiting (void* self);
    void handlePendingEvents();

    _XDisplay* display = nullptr;
    unsigned long window = 0;
    unsigned long deleteWindowAtom = 0;
    bool mapped = false, closeRequested = false;
};
}
