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

    bool canOpenDisplay()
    {
        if (auto* display = XOpenDisplay (nullptr))
        {
            XCloseDisplay (display);
            return true;
        }

        return false;
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
                        available = canOpenDisplay();
                    });

    return available;
}

int getNumX11ErrorsLogged() noexcept
{
    return numErrorsLogged.load();
}
}
