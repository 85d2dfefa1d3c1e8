#pragma once

namespace aaxhost
{
/** Prepares the process for windows on X11, as the platform would before any module draws: Xlib is
    made thread-safe (the plug-in's framework talks to the server from its render thread as well) and
    X protocol errors are logged instead of ending the process (Xlib's default handler exits, and a bare
    server without a window manager answers some of a framework's requests with errors).

    Must run on the main thread before anything in the process opens a display; later calls do nothing.
    The window-manager atoms are created on a connection kept open, as a desktop would have them.
    Returns false when no display can be opened (no DISPLAY, or the server is unreachable).
*/
bool initialiseX11();

/** The number of X errors logged so far. */
int getNumX11ErrorsLogged() noexcept;
}
