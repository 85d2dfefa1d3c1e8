#pragma once

#include "ComPtr.h"
#include "HostState.h"
#include "PluginDescription.h"
#include "PluginModule.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace aaxhost
{
class HostContext;
class PluginInstance;

/** Thrown when the plug-in refuses or fails a call the host cannot do without; carries its result code. */
struct PluginError : std::runtime_error
{
    PluginError (const std::string& what, int32_t resultCode)
        : std::runtime_error (resultCode != 0 ? what + " (result " + std::to_string (resultCode) + ")" : what)
        , result (resultCode)
    {
    }

    const int32_t result;
};

/** How an instance runs. */
struct InstanceSettings
{
    double sampleRate = 48000.0;
    int maxBlockSize = 1024;
};

/** The substitute AAX host: loads one plug-in bundle and drives it as a host does.

    Construction loads the module and calls ACFStartup with the host's unknown; registerPlugin() runs
    ACFRegisterPlugin and keeps what the plug-in described; createInstance() makes a running instance of one
    of its components. The module, the host's state and the plug-in's startup outlive the Host for as long
    as an instance it made lives: ACFShutdown runs, and the module is unloaded, when the last of them goes,
    and only if the plug-in then answers ACFCanUnloadNow with 0. All calls belong on one thread, the host's
    main thread.
*/
class Host
{
public:
    explicit Host (const std::string& bundlePath, HostOptions options = {});
    ~Host();

    Host (const Host&) = delete;
    Host& operator= (const Host&) = delete;

    /** The host's answers; changes take effect with the next call into the plug-in. */
    HostOptions& getOptions() noexcept { return session->state.options; }

    const PluginModule& getModule() const noexcept { return session->module; }
    ACFRESULT getStartupResult() const noexcept { return session->startupResult; }

    /** Runs ACFRegisterPlugin and returns its result; on success the description is kept. */
    ACFRESULT tryRegisterPlugin();

    /** As tryRegisterPlugin(), but a failure throws PluginError. */
    void registerPlugin();

    const PluginDescription& getDescription() const noexcept { return description; }
    const Diagnostics& getDiagnostics() const noexcept { return session->state.diagnostics; }
    Diagnostics& getDiagnostics() noexcept { return session->state.diagnostics; }

    /** Creates and initialises an instance of one component of a described effect. */
    std::unique_ptr<PluginInstance> createInstance (const EffectDescription& effect,
                                                    const ComponentDescription& component,
                                                    const InstanceSettings& settings);

    /** The host's unknown as the plug-in sees it (for calling the entry functions directly). */
    IACFUnknown* getHostUnknown() const noexcept;

    /** Asks the plug-in whether it may be unloaded: its count of live objects, 0 when it may. */
    ACFRESULT canUnloadNow() const;

    /** Calls ACFShutdown now rather than at destruction; returns its result. */
    ACFRESULT shutdown();

private:
    /** What the host and every instance it made share, and what keeps the plug-in's code loaded. */
    struct Session
    {
        Session (const std::string& bundlePath, HostOptions options);
        ~Session();

        ACFRESULT shutdown();

        HostState state;
        PluginModule module;
        ComPtr<HostContext> context;
        ACFRESULT startupResult = 0;
        bool isShutDown = false;
    };

    std::shared_ptr<Session> session;
    PluginDescription description;
};

/** Prints a description the way `aax-host describe` shows it. */
void printDescription (std::ostream& out, const PluginDescription& description);

/** Prints an instance's parameters: identifier, name, default, steps and value texts. */
void printParameters (std::ostream& out, PluginInstance& instance);
}
