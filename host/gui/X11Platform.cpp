#include "X11Platform.h"

#include <X11/Xlib.h>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace aaxhost
{
namespace
{
    std::atomic<int> numErrorsLogged{0};

    int logXError (Display* display, XErrorEvent* error)
    {
        char text[256] = {};
        XGetErrorText (display, error->error_code, text, sizeof (text));
        std::fprintf (stderr, "aax-host: X error ignored: %s (request %d.%d, resource 0x%lx)\n", text,
                      (int)error->request_code, (int)error->minor_code, error->resourceid);
        ++numErrorsLogged;
        return 0;
    }

    /** Interns the atoms a window manager defines. A desktop has them; a bare server (Xvfb) has them
        only once someone creates them, and JUCE looks several of them up without creating them, then
        uses the resulting atom 0 in requests that fail. The connection stays open for the life of the
        process, because a server without clients forgets its atoms.
    */
    bool openDisplayWithWindowManagerAtoms()
    {
        static Display* const display = XOpenDisplay (nullptr);

        if (display == nullptr)
            return false;

        const char* names[] = {"WM_PROTOCOLS",         "WM_TAKE_FOCUS",
                               "WM_DELETE_WINDOW",     "_NET_WM_PING",
                               "WM_CHANGE_STATE",      "WM_STATE",
                               "_NET_WM_WINDOW_TYPE",  "_NET_WM_STATE",
                               "_NET_WM_STATE_HIDDEN", "_NET_WM_WINDOW_TYPE_NORMAL"};

        for (auto* name : names)
            XInternAtom (display, name, False);

        XSync (display, False);
        return true;
    }
}

bool initialiseX11()
{
    static std::once_flag once;
    static bool available = false;

    std::call_once (once,
                    []
                    {
                        XInitThreads();
                        XSetErrorHandler (logXError);
                        available = openDisplayWithWindowManagerAtoms();
                    });

    return available;
}

int getNumX11ErrorsLogged() noexcept
{
    return numErrorsLogged.load();
}
}
