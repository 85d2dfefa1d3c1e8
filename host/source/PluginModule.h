#pragma once

#include <acfunknown.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace aaxhost
{
/** Thrown when a bundle cannot be found or loaded, or lacks an entry function. */
struct ModuleError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/** The plug-in's shared module, loaded with dlopen, and its seven exported entry functions. */
class PluginModule
{
    struct Handle
    {
        explicit Handle (const std::string& path);
        ~Handle();
        void* lookUp (const char* name) const;
        void* handle = nullptr;
        bool closeOnDestruction = true;
    };

    // Declared first, so that the module is loaded before the entry points below are looked up in it.
    const std::string modulePath;
    Handle module;

public:
    using RegisterPluginFn = ACFRESULT (*) (IACFUnknown* host, IACFUnknown** outPluginDefinition);
    using RegisterComponentFn = ACFRESULT (*) (IACFUnknown* host, acfUInt32 componentIndex,
                                               IACFUnknown** outComponentDefinition);
    using GetClassFactoryFn = ACFRESULT (*) (IACFUnknown* host, const acfUID& classID, const acfUID& interfaceID,
                                             void** outClassFactory);
    using CanUnloadNowFn = ACFRESULT (*) (IACFUnknown* host);
    using StartupFn = ACFRESULT (*) (IACFUnknown* host);
    using ShutdownFn = ACFRESULT (*) (IACFUnknown* host);
    using GetSDKVersionFn = ACFRESULT (*) (uint64_t* outVersion);

    /** Loads a bundle: either the shared module (*.so) itself or a bundle directory, whose module is the one
        in Contents/x86_64-linux (named after the bundle, or the only one there).
    */
    explicit PluginModule (const std::string& bundlePath);
    ~PluginModule();

    PluginModule (const PluginModule&) = delete;
    PluginModule& operator= (const PluginModule&) = delete;

    const std::string& getModulePath() const noexcept { return modulePath; }

    /** Leaves the module loaded when this object goes: for a plug-in that still has live objects, whose code
        must stay mapped for as long as anything may call it.
    */
    void keepLoaded() noexcept { module.closeOnDestruction = false; }

    const RegisterPluginFn registerPlugin;
    const RegisterComponentFn registerComponent;
    const GetClassFactoryFn getClassFactory;
    const CanUnloadNowFn canUnloadNow;
    const StartupFn startup;
    const ShutdownFn shutdown;
    const GetSDKVersionFn getSDKVersion;
};

/** Finds the shared module of a bundle path (see PluginModule); throws ModuleError when there is none. */
std::string findModuleInBundle (const std::string& bundlePath);
}
