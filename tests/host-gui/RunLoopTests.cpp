// The host's main run loop on its own, and the bundle joining it.

#include "HostGuiTest.h"

#include "X11Platform.h"

#include <HostRunLoop.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace hostgui
{
namespace
{
    using aaxhost::RunLoop;

    /** A pipe whose read end a test registers with the loop. */
    struct Pipe
    {
        Pipe() { EXPECT_EQ (::pipe2 (fds, O_CLOEXEC | O_NONBLOCK), 0); }
        ~Pipe()
        {
            ::close (fds[0]);
            ::close (fds[1]);
        }

        void signal() const { EXPECT_EQ (::write (fds[1], "x", 1), 1); }
        void drain() const
        {
            char buffer[16];
            while (::read (fds[0], buffer, sizeof (buffer)) > 0)
            {
            }
        }

        int readEnd() const { return fds[0]; }

        int fds[2] = {-1, -1};
    };

    struct Counter
    {
        int calls = 0;
        const Pipe* pipe = nullptr;
        std::function<void()> onCall;
    };

    void countFd (int, void* userData)
    {
        auto& counter = *static_cast<Counter*> (userData);
        ++counter.calls;

        if (counter.pipe != nullptr)
            counter.pipe->drain();

        if (counter.onCall)
            counter.onCall();
    }

    void countObserver (void* userData)
    {
        ++static_cast<Counter*> (userData)->calls;
    }

    const AAXHostRunLoopFunctions* findRunLoopFunctions()
    {
        const auto get =
            reinterpret_cast<AAXHostGetMainRunLoopFunction> (dlsym (RTLD_DEFAULT, AAXHOST_MAIN_RUN_LOOP_SYMBOL));
        return get != nullptr ? get() : nullptr;
    }
}

TEST (RunLoop, ExportsItsFunctionsToModulesOfTheProcess)
{
    const auto* functions = findRunLoopFunctions();
    ASSERT_NE (functions, nullptr) << "the executable does not export " AAXHOST_MAIN_RUN_LOOP_SYMBOL;
    EXPECT_EQ (functions->version, (uint32_t)AAXHOST_RUN_LOOP_VERSION);
}

TEST (RunLoop, CallsADescriptorWhenItBecomesReadableAndNotAfterRemoval)
{
    const auto* functions = findRunLoopFunctions();
    ASSERT_NE (functions, nullptr);

    Pipe pipe;
    Counter counter;
    counter.pipe = &pipe;

    ASSERT_EQ (functions->addFd (pipe.readEnd(), countFd, &counter), 0);
    EXPECT_EQ (functions->addFd (pipe.readEnd(), countFd, &counter), -1) << "registered twice";

    RunLoop::getMain().runFor (30ms);
    EXPECT_EQ (counter.calls, 0);

    pipe.signal();
    RunLoop::getMain().runUntil ([&] { return counter.calls > 0; }, 1s);
    EXPECT_EQ (counter.calls, 1);

    functions->removeFd (pipe.readEnd(), &counter);
    pipe.signal();
    RunLoop::getMain().runFor (30ms);
    EXPECT_EQ (counter.calls, 1);
}

TEST (RunLoop, ADescriptorRemovedByAnEarlierCallbackIsNotCalledInTheSamePass)
{
    const auto* functions = findRunLoopFunctions();
    ASSERT_NE (functions, nullptr);

    Pipe first, second;
    Counter firstCounter, secondCounter;
    firstCounter.pipe = &first;
    secondCounter.pipe = &second;

    // Whichever is called first removes the other; the other must then stay silent.
    firstCounter.onCall = [&] { functions->removeFd (second.readEnd(), &secondCounter); };
    secondCounter.onCall = [&] { functions->removeFd (first.readEnd(), &firstCounter); };

    ASSERT_EQ (functions->addFd (first.readEnd(), countFd, &firstCounter), 0);
    ASSERT_EQ (functions->addFd (second.readEnd(), countFd, &secondCounter), 0);

    first.signal();
    second.signal();
    RunLoop::getMain().runOnce (100ms);

    EXPECT_EQ (firstCounter.calls + secondCounter.calls, 1);

    functions->removeFd (first.readEnd(), &firstCounter);
    functions->removeFd (second.readEnd(), &secondCounter);
}

TEST (RunLoop, ADescriptorClosedWhileRegisteredIsLeftOutUntilItsNumberIsOpenAgain)
{
    const auto* functions = findRunLoopFunctions();
    ASSERT_NE (functions, nullptr);

    Counter counter;
    int fds[2] = {-1, -1};
    ASSERT_EQ (::pipe2 (fds, O_CLOEXEC | O_NONBLOCK), 0);
    const auto readEnd = fds[0];
    ASSERT_EQ (functions->addFd (readEnd, countFd, &counter), 0);

    ::close (fds[0]);
    ::close (fds[1]);

    // The loop must still wait rather than spin on the dead descriptor.
    const auto start = RunLoop::Clock::now();
    for (int pass = 0; pass < 4; ++pass)
        RunLoop::getMain().runOnce (30ms);

    EXPECT_GE (RunLoop::Clock::now() - start, 80ms);
    EXPECT_EQ (counter.calls, 0);

    // A new pipe gets the lowest free numbers, so the registered number is open again.
    Pipe reopened;
    ASSERT_EQ (reopened.readEnd(), readEnd);
    counter.pipe = &reopened;
    reopened.signal();
    RunLoop::getMain().runUntil ([&] { return counter.calls > 0; }, 1s);
    EXPECT_EQ (counter.calls, 1);

    functions->removeFd (readEnd, &counter);
}

TEST (RunLoop, CallsObserversBeforeEveryWait)
{
    const auto* functions = findRunLoopFunctions();
    ASSERT_NE (functions, nullptr);

    Counter counter;
    ASSERT_EQ (functions->addObserver (countObserver, &counter), 0);
    EXPECT_EQ (functions->addObserver (countObserver, &counter), -1);

    for (int pass = 0; pass < 3; ++pass)
        RunLoop::getMain().runOnce (0ms);

    EXPECT_EQ (counter.calls, 3);

    functions->removeObserver (countObserver, &counter);
    RunLoop::getMain().runOnce (0ms);
    EXPECT_EQ (counter.calls, 3);
}

TEST (RunLoop, RefusesCallsFromOtherThreads)
{
    const auto* functions = findRunLoopFunctions();
    ASSERT_NE (functions, nullptr);
    const auto observersBefore = RunLoop::getMain().getNumObservers(); // the loop is bound to this thread

    Pipe pipe;
    Counter counter;
    int fdResult = 0, observerResult = 0;

    std::thread other (
        [&]
        {
            fdResult = functions->addFd (pipe.readEnd(), countFd, &counter);
            observerResult = functions->addObserver (countObserver, &counter);
        });
    other.join();

    EXPECT_EQ (fdResult, -1);
    EXPECT_EQ (observerResult, -1);
    EXPECT_EQ (RunLoop::getMain().getNumObservers(), observersBefore);
}

TEST (RunLoop, TimersFireAtTheirIntervalUntilStopped)
{
    auto& loop = RunLoop::getMain();
    int fired = 0;
    const auto timer = loop.startTimer (20ms, [&] { ++fired; });

    loop.runFor (110ms);
    EXPECT_GE (fired, 3);
    EXPECT_LE (fired, 6);

    loop.stopTimer (timer);
    const auto firedBefore = fired;
    loop.runFor (60ms);
    EXPECT_EQ (fired, firedBefore);
}

TEST (RunLoop, StopFromAnotherThreadEndsTheWaitEarly)
{
    auto& loop = RunLoop::getMain();
    const auto start = RunLoop::Clock::now();

    std::thread stopper (
        [&]
        {
            std::this_thread::sleep_for (50ms);
            loop.stop();
        });
    loop.runFor (5s);
    stopper.join();

    EXPECT_LT (RunLoop::Clock::now() - start, 2s);
    EXPECT_TRUE (loop.isStopRequested());
}

TEST (RunLoop, BundleJoinsTheLoopWhenLoadedAndLeavesItWhenUnloaded)
{
    if (!aaxhost::initialiseX11())
        GTEST_SKIP() << "no X display";

    auto& loop = RunLoop::getMain();
    const auto observersBefore = loop.getNumObservers();
    const auto fdsBefore = loop.getNumFds();

    {
        aaxhost::Host host (VANTREL_BUNDLE_PATH);
        EXPECT_EQ (loop.getNumObservers(), observersBefore + 1);

        host.registerPlugin();
        const auto& effect = host.getDescription().effects.front();
        auto instance = host.createInstance (effect, effect.components.back(), {});

        // JUCE's message queue is attached before the loop next waits.
        loop.runOnce (0ms);
        EXPECT_GT (loop.getNumFds(), fdsBefore);

        instance.reset();
        loop.runOnce (0ms);
    }

    EXPECT_EQ (loop.getNumObservers(), observersBefore);
    EXPECT_EQ (loop.getNumFds(), fdsBefore);
}
}
