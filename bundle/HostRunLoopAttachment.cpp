// Joins JUCE's message loop to the main run loop of the process that loaded the bundle.
//
// On macOS JUCE's messages, timers and window events are served by the application's main run loop,
// which the platform provides and the host runs. On Linux JUCE registers file descriptors instead
// (its message queue, and the X11 connection once a window exists) with an internal run loop that
// nothing serves inside a plug-in unless the host offers a loop to attach them to, as JUCE's VST3
// wrapper does with a host's IRunLoop. A host process that offers one exports the functions of
// HostRunLoop.h; this file finds them when the bundle is loaded, and from then on keeps JUCE's set of
// descriptors registered with that loop: each time the loop is about to wait, and whenever JUCE
// announces a change. A ready descriptor is handed back to JUCE on the loop's thread, which is the
// host's main thread and JUCE's message thread (the client creates the message manager on the thread
// that instantiates the plug-in).
//
// Without such a loop in the process nothing happens here; nothing is exported, and JUCE is not
// changed.

#include <juce_events/juce_events.h>

#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <HostRunLoop.h>

#include <algorithm>
#include <dlfcn.h>
#include <vector>

namespace
{
class HostRunLoopAttachment final : private juce::LinuxEventLoopInternal::Listener
{
public:
    HostRunLoopAttachment()
    {
        const auto getMainRunLoop =
            reinterpret_cast<AAXHostGetMainRunLoopFunction> (dlsym (RTLD_DEFAULT, AAXHOST_MAIN_RUN_LOOP_SYMBOL));

        if (getMainRunLoop == nullptr)
            return;

        const auto* functions = getMainRunLoop();

        if (functions == nullptr || functions->version < AAXHOST_RUN_LOOP_VERSION)
            return;

        if (functions->addObserver (beforeWaiting, this) == 0)
            runLoop = functions;
    }

    ~HostRunLoopAttachment() override
    {
        if (runLoop == nullptr)
            return;

        runLoop->removeObserver (beforeWaiting, this);
        detachAll();

        if (juce::MessageManager::getInstanceWithoutCreating() != nullptr)
            juce::LinuxEventLoopInternal::deregisterLinuxEventLoopListener (*this);
    }

    HostRunLoopAttachment (const HostRunLoopAttachment&) = delete;
    HostRunLoopAttachment& operator= (const HostRunLoopAttachment&) = delete;

private:
    static void beforeWaiting (void* self) { static_cast<HostRunLoopAttachment*> (self)->synchronise(); }

    static void descriptorReady (int fd, void*) { juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (fd); }

    void fdCallbacksChanged() override { synchronise(); }

    void synchronise()
    {
        // The loop is the main thread's; a change announced elsewhere is taken up before its next wait.
        if (!juce::MessageManager::existsAndIsCurrentThread() &&
            juce::MessageManager::getInstanceWithoutCreating() != nullptr)
            return;

        // JUCE's internal run loop lives as long as its message manager, which the client makes for the
        // first instance and deletes with the last; a new one starts with no listeners. Registering
        // again each time is harmless, since JUCE's listener list ignores a listener it already has.
        if (juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        {
            detachAll();
            return;
        }

        juce::LinuxEventLoopInternal::registerLinuxEventLoopListener (*this);

        auto wanted = juce::LinuxEventLoopInternal::getRegisteredFds();
        std::sort (wanted.begin(), wanted.end());

        for (auto fd : attached)
            if (!std::binary_search (wanted.begin(), wanted.end(), fd))
                runLoop->removeFd (fd, this);

        for (auto fd : wanted)
            if (!std::binary_search (attached.begin(), attached.end(), fd))
                runLoop->addFd (fd, descriptorReady, this);

        attached = std::move (wanted);
    }

    void detachAll()
    {
        for (auto fd : attached)
            runLoop->removeFd (fd, this);

        attached.clear();
    }

    const AAXHostRunLoopFunctions* runLoop = nullptr;
    std::vector<int> attached; // sorted
};

// Made when the bundle is loaded, gone when it is unloaded.
HostRunLoopAttachment attachment;
}
