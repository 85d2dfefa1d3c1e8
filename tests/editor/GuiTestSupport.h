#pragma once

// Running real JUCE windows in a test program under a bare X server (Xvfb, no window manager).
//
// Without a window manager JUCE gets atom 0 for WM_PROTOCOLS, and Xlib's default error handler
// then ends the process. JUCE sets up threaded Xlib and its own error handler only in standalone
// applications, so a test program calls prepareHeadlessDisplay() before JUCE opens the display.
// libX11 is reached through the dynamic loader, so no X11 header (whose macros clash with JUCE's
// names) is needed.

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>
#include <dlfcn.h>

namespace GuiTest
{
inline int logAndIgnoreXError (void* /*display*/, void* errorEvent)
{
    // XErrorEvent: int type; Display*; XID resourceid; unsigned long serial; unsigned char error_code...
    struct ErrorEventHead
    {
        int type;
        void* display;
        unsigned long resourceId;
        unsigned long serial;
        unsigned char errorCode;
        unsigned char requestCode;
    };

    const auto* head = static_cast<const ErrorEventHead*> (errorEvent);
    std::fprintf (stderr, "X error %d (request %d) ignored\n", head->errorCode, head->requestCode);
    return 0;
}

// Must run before anything opens the X display.
inline bool prepareHeadlessDisplay()
{
    auto* x11 = dlopen ("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);

    if (x11 == nullptr)
        return false;

    using InitThreads = int (*)();
    using ErrorHandler = int (*) (void*, void*);
    using SetErrorHandler = ErrorHandler (*) (ErrorHandler);

    auto initThreads = reinterpret_cast<InitThreads> (dlsym (x11, "XInitThreads"));
    auto setErrorHandler = reinterpret_cast<SetErrorHandler> (dlsym (x11, "XSetErrorHandler"));

    if (initThreads == nullptr || setErrorHandler == nullptr)
        return false;

    initThreads();
    setErrorHandler (logAndIgnoreXError);
    return true;
}

// Runs the message loop (timers, posted messages, repaints) for a while.
inline void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

// Runs the message loop until the condition holds or the time is up; returns the condition.
template <typename Condition>
bool pumpUntil (Condition&& condition, int timeoutMilliseconds = 5000)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMilliseconds);

    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;

        pump (5);
    }

    return true;
}

// Mouse input for a component on the desktop, fed through its peer exactly as the windowing system
// would feed it. Positions are in the component's own coordinates; the time stamps are synthetic
// and spaced so that separate clicks never count as double clicks unless asked to.
class Mouse
{
public:
    explicit Mouse (juce::Component& topLevel)
        : component (topLevel)
    {
    }

    void moveTo (juce::Point<int> position) { send (position, {}); }

    void press (juce::Point<int> position,
                juce::ModifierKeys button = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        send (position, button);
    }

    void release (juce::Point<int> position) { send (position, {}); }

    void dragTo (juce::Point<int> position,
                 juce::ModifierKeys button = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        send (position, button);
    }

    void click (juce::Point<int> position,
                juce::ModifierKeys button = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        moveTo (position);
        press (position, button);
        release (position);
        time += 1000; // well past the double-click interval
    }

    void doubleClick (juce::Point<int> position)
    {
        moveTo (position);
        for (int i = 0; i < 2; ++i)
        {
            press (position);
            release (position);
        }
        time += 1000;
    }

    // One notch of a scroll wheel (positive turns up), with the pointer resting at the position.
    void scroll (juce::Point<int> position, float notches)
    {
        auto* peer = component.getPeer();
        jassert (peer != nullptr);
        time += 20;
        juce::MouseWheelDetails wheel{};
        wheel.deltaY = notches * wheelDeltaPerNotch;
        peer->handleMouseWheel (juce::MouseInputSource::InputSourceType::mouse, position.toFloat(), time, wheel);
    }

    // What JUCE's X11 layer reports for one notch of a wheel (button 4 or 5).
    static constexpr float wheelDeltaPerNotch = 50.0f / 256.0f;

private:
    void send (juce::Point<int> position, juce::ModifierKeys buttons)
    {
        auto* peer = component.getPeer();
        jassert (peer != nullptr);
        time += 20;
        peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position.toFloat(),
                                buttons.withOnlyMouseButtons(), juce::MouseInputSource::defaultPressure,
                                juce::MouseInputSource::defaultOrientation, time);
    }

    juce::Component& component;
    juce::int64 time = juce::Time::currentTimeMillis();
};
} // namespace GuiTest
