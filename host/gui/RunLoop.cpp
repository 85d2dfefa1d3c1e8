#include "RunLoop.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace aaxhost
{
RunLoop& RunLoop::getMain()
{
    // Never destroyed: modules may still unregister from it while the process exits.
    static RunLoop* const mainLoop = new RunLoop();
    return *mainLoop;
}

RunLoop::RunLoop()
    : mainThread (std::this_thread::get_id())
{
    if (::pipe2 (wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        wakePipe[0] = wakePipe[1] = -1;
}

//==============================================================================
bool RunLoop::isSourceRegistered (int fd, void* userData) const
{
    return std::any_of (sources.begin(), sources.end(),
                        [&] (const Source& s) { return s.fd == fd && s.userData == userData; });
}

bool RunLoop::addFd (int fd, AAXHostFdCallback callback, void* userData)
{
    if (!isMainThread() || fd < 0 || callback == nullptr || isSourceRegistered (fd, userData))
        return false;

    sources.push_back ({fd, callback, userData, true});
    return true;
}

void RunLoop::removeFd (int fd, void* userData)
{
    if (!isMainThread())
        return;

    sources.erase (std::remove_if (sources.begin(), sources.end(),
                                   [&] (const Source& s) { return s.fd == fd && s.userData == userData; }),
                   sources.end());
}

bool RunLoop::isObserverRegistered (AAXHostObserverCallback callback, void* userData) const
{
    return std::any_of (observers.begin(), observers.end(),
                        [&] (const Observer& o) { return o.callback == callback && o.userData == userData; });
}

bool RunLoop::addObserver (AAXHostObserverCallback callback, void* userData)
{
    if (!isMainThread() || callback == nullptr || isObserverRegistered (callback, userData))
        return false;

    observers.push_back ({callback, userData});
    return true;
}

void RunLoop::removeObserver (AAXHostObserverCallback callback, void* userData)
{
    if (!isMainThread())
        return;

    observers.erase (std::remove_if (observers.begin(), observers.end(),
                                     [&] (const Observer& o)
                                     { return o.callback == callback && o.userData == userData; }),
                     observers.end());
}

RunLoop::TimerID RunLoop::startTimer (std::chrono::milliseconds interval, std::function<void()> callback)
{
    const auto id = nextTimerID++;
    interval = std::max (interval, std::chrono::milliseconds (1));
    timers.push_back ({id, interval, Clock::now() + interval, std::move (callback)});
    return id;
}

void RunLoop::stopTimer (TimerID timer)
{
    timers.erase (std::remove_if (timers.begin(), timers.end(), [&] (const Timer& t) { return t.id == timer; }),
                  timers.end());
}

//==============================================================================
void RunLoop::callObservers()
{
    // A callback may add or remove observers: work on a copy, and skip any removed meanwhile.
    const auto snapshot = observers;

    for (auto& observer : snapshot)
        if (isObserverRegistered (observer.callback, observer.userData))
            observer.callback (observer.userData);
}

void RunLoop::fireDueTimers()
{
    const auto now = Clock::now();
    std::vector<TimerID> due;

    for (auto& timer : timers)
        if (timer.due <= now)
            due.push_back (timer.id);

    for (auto id : due)
    {
        auto timer = std::find_if (timers.begin(), timers.end(), [&] (const Timer& t) { return t.id == id; });

        if (timer == timers.end())
            continue; // stopped by an earlier callback

        // Late timers are not fired again to catch up, as a platform timer coalesces missed firings.
        timer->due = std::max (timer->due + timer->interval, now);
        const auto callback = timer->callback; // the timer may stop itself
        callback();
    }
}

void RunLoop::drainWakePipe() const noexcept
{
    char buffer[64];

    while (::read (wakePipe[0], buffer, sizeof (buffer)) > 0)
    {
    }
}

void RunLoop::wakeUp() const noexcept
{
    if (wakePipe[1] >= 0)
    {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write (wakePipe[1], &byte, 1);
    }
}

void RunLoop::stop() noexcept
{
    stopRequested = true;
    wakeUp();
}

bool RunLoop::isStopRequested() const noexcept
{
    return stopRequested.load();
}

void RunLoop::runOnce (std::chrono::milliseconds maxWait)
{
    callObservers();

    auto wait = std::max (maxWait, std::chrono::milliseconds (0));
    const auto now = Clock::now();

    for (auto& timer : timers)
        wait = std::min (wait, std::max (std::chrono::duration_cast<std::chrono::milliseconds> (timer.due - now),
                                         std::chrono::milliseconds (0)));

    std::vector<pollfd> descriptors;
    std::vector<Source> polled;

    for (auto& source : sources)
    {
        // A descriptor found closed counts again once its number is open again (a new connection may
        // have been given the same number before its owner told the loop).
        if (!source.valid)
            source.valid = ::fcntl (source.fd, F_GETFD) != -1;

        if (source.valid)
        {
            descriptors.push_back ({source.fd, POLLIN, 0});
            polled.push_back (source);
        }
    }

    if (wakePipe[0] >= 0)
        descriptors.push_back ({wakePipe[0], POLLIN, 0});

    const auto numReady = ::poll (descriptors.data(), (nfds_t)descriptors.size(), (int)wait.count());

    if (numReady > 0)
    {
        for (size_t i = 0; i < polled.size(); ++i)
        {
            const auto events = descriptors[i].revents;

            if (events == 0)
                continue;

            const auto& polledSource = polled[i];

            // A callback earlier in this pass may have removed (or replaced) this source.
            const auto registered = std::find_if (
                sources.begin(), sources.end(),
                [&] (const Source& s) { return s.fd == polledSource.fd && s.userData == polledSource.userData; });

            if (registered == sources.end())
                continue;

            if ((events & POLLNVAL) != 0)
            {
                // Closed without being unregistered: leave it out of later waits instead of spinning on it.
                registered->valid = false;
                std::fprintf (stderr, "aax-host: descriptor %d was closed while registered with the run loop\n",
                              polledSource.fd);
                continue;
            }

            const auto source = *registered; // the callback may change the list
            source.callback (source.fd, source.userData);
        }

        if (wakePipe[0] >= 0 && descriptors.back().revents != 0)
            drainWakePipe();
    }

    fireDueTimers();
}

void RunLoop::runFor (std::chrono::milliseconds duration)
{
    runUntil ([] { return false; }, duration);
}

bool RunLoop::runUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    stopRequested = false;
    const auto end = Clock::now() + timeout;

    while (!condition())
    {
        const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds> (end - Clock::now());

        if (remaining.count() <= 0 || stopRequested)
            return condition();

        // Short waits keep the condition checked often; events end a wait at once anyway.
        runOnce (std::min (remaining, std::chrono::milliseconds (10)));
    }

    return true;
}
}

//==============================================================================
namespace
{
using aaxhost::RunLoop;

int addFd (int fd, AAXHostFdCallback callback, void* userData)
{
    return RunLoop::getMain().addFd (fd, callback, userData) ? 0 : -1;
}

void removeFd (int fd, void* userData)
{
    RunLoop::getMain().removeFd (fd, userData);
}

int addObserver (AAXHostObserverCallback callback, void* userData)
{
    return RunLoop::getMain().addObserver (callback, userData) ? 0 : -1;
}

void removeObserver (AAXHostObserverCallback callback, void* userData)
{
    RunLoop::getMain().removeObserver (callback, userData);
}

const AAXHostRunLoopFunctions mainRunLoopFunctions{AAXHOST_RUN_LOOP_VERSION, addFd, removeFd, addObserver,
                                                   removeObserver};
}

// Exported from the host's executable (which links with its symbols exported) for the modules it loads.
extern "C" __attribute__ ((visibility ("default"))) const AAXHostRunLoopFunctions* AAXHostGetMainRunLoop()
{
    return &mainRunLoopFunctions;
}
