#pragma once

#include <HostRunLoop.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace aaxhost
{
/** The host's main run loop: what the platform's main run loop is to a plug-in on macOS.

    The host's main thread serves, while it idles, every file descriptor registered with the loop (the
    plug-in framework's message queue and window-system connection, the host's own window connection)
    and a wake-up pipe, calls the observers registered for "before waiting" and fires the host's own
    timers. Modules loaded into the process reach it through the C functions of HostRunLoop.h, which the
    aax-host executable exports (AAXHostGetMainRunLoop); the host uses this class.

    How the plug-in's editor is served by it: when the bundle is loaded, its HostRunLoopAttachment.cpp
    finds those functions with dlsym and keeps JUCE's own descriptors (its message queue, into which its
    timers post, and its X11 connection) attached to the loop, handing each ready one back to JUCE; in a
    process without the loop the plug-in simply has no editor service. JUCE creates its message manager
    on the thread that registers and instantiates the plug-in, so JUCE's message thread is the host's
    main thread, and the host adds no thread of its own. The plug-in's view is an X11 window of the host
    (HostViewContainer.h), reported to JUCE's client under the native-window kind that the client
    attaches to outside macOS (AAX_eViewContainer_Type_HWND), with the window id as the pointer; JUCE
    reparents its own window into it.

    There is one loop per process, bound to the thread that first asks for it, and every call belongs on
    that thread (the C functions refuse calls from other threads). Only wakeUp() may be called from any
    thread or a signal handler.
*/
class RunLoop
{
public:
    using Clock = std::chrono::steady_clock;
    using TimerID = uint64_t;

    /** The process's main run loop; the first call makes the calling thread the main thread. */
    static RunLoop& getMain();

    RunLoop (const RunLoop&) = delete;
    RunLoop& operator= (const RunLoop&) = delete;

    bool isMainThread() const noexcept { return std::this_thread::get_id() == mainThread; }

    //==============================================================================
    bool addFd (int fd, AAXHostFdCallback callback, void* userData);
    void removeFd (int fd, void* userData);
    bool addObserver (AAXHostObserverCallback callback, void* userData);
    void removeObserver (AAXHostObserverCallback callback, void* userData);

    size_t getNumFds() const noexcept { return sources.size(); }
    size_t getNumObservers() const noexcept { return observers.size(); }

    /** A callback of the host's own, called on the main thread every interval while the loop runs. */
    TimerID startTimer (std::chrono::milliseconds interval, std::function<void()> callback);
    void stopTimer (TimerID timer);

    //==============================================================================
    /** Serves events for the given time, or until stop() is called. */
    void runFor (std::chrono::milliseconds duration);

    /** Serves events until the condition holds (checked after every pass) or the time is up, or until
        stop() is called; returns the condition.
    */
    bool runUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout);

    /** One pass: observers, a wait of at most maxWait for the first event, then the callbacks of every
        descriptor that became ready and every timer that fell due.
    */
    void runOnce (std::chrono::milliseconds maxWait);

    /** Ends the current runFor or runUntil early. Thread- and signal-safe. */
    void stop() noexcept;

    /** True once stop() was called; cleared by the next runFor or runUntil. */
    bool isStopRequested() const noexcept;

    /** Interrupts a wait in progress. Thread- and signal-safe. */
    void wakeUp() const noexcept;

private:
    RunLoop();
    ~RunLoop() = delete; // lives as long as the process, as the platform's loop does

    struct Source
    {
        int fd;
        AAXHostFdCallback callback;
        void* userData;
        bool valid; // false once the descriptor turned out to be closed
    };

    struct Observer
    {
        AAXHostObserverCallback callback;
        void* userData;
    };

    struct Timer
    {
        TimerID id;
        std::chrono::milliseconds interval;
        Clock::time_point due;
        std::function<void()> callback;
    };

    bool isSourceRegistered (int fd, void* userData) const;
    bool isObserverRegistered (AAXHostObserverCallback callback, void* userData) const;
    void callObservers();
    void fireDueTimers();
    void drainWakePipe() const noexcept;

    const std::thread::id mainThread;
    std::vector<Source> sources;
    std::vector<Observer> observers;
    std::vector<Timer> timers;
    TimerID nextTimerID = 1;
    int wakePipe[2] = {-1, -1};
    std::atomic<bool> stopRequested{false};
};
}
