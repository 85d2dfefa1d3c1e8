#include "PluginModule.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace aaxhost
{
namespace fs = std::filesystem;

std::string findModuleInBundle (const std::string& bundlePath)
{
    std::error_code error;
    const fs::path path (bundlePath);

    if (!fs::exists (path, error))
        throw ModuleError ("'" + bundlePath + "' does not exist");

    const auto notABundle = [&]
    {
        return ModuleError ("'" + bundlePath +
                            "' is not a plug-in bundle (expected a bundle directory holding "
                            "Contents/x86_64-linux/NAME.so, or that .so file itself)");
    };

    if (fs::is_regular_file (path, error))
    {
        if (path.extension() != ".so")
            throw notABundle();

        return fs::absolute (path).string();
    }

    if (!fs::is_directory (path, error))
        throw notABundle();

    // Only the bundle's own platform directory is looked in: any other directory could hold a foreign module.
    const auto platformDirectory = path / "Contents" / "x86_64-linux";

    if (!fs::is_directory (platformDirectory, error))
        throw notABundle();

    std::vector<fs::path> modules;

    for (fs::directory_iterator it (platformDirectory, error), end; it != end; it.increment (error))
        if (it->is_regular_file (error) && it->path().extension() == ".so")
            modules.push_back (it->path());

    // The module is named after the bundle; a lone module under another name is accepted as well.
    const auto bundleName = (path.has_filename() ? path : path.parent_path()).stem();
    const auto named = platformDirectory / (bundleName.string() + ".so");

    if (std::find (modules.begin(), modules.end(), named) != modules.end())
        return fs::absolute (named).string();

    if (modules.size() != 1)
        throw notABundle();

    return fs::absolute (modules.front()).string();
}

PluginModule::Handle::Handle (const std::string& path)
{
    // Local binding: the plug-in's symbols must not leak into the host or into other plug-ins.
    handle = dlopen (path.c_str(), RTLD_NOW | RTLD_LOCAL);

    if (handle == nullptr)
    {
        const auto* why = dlerror();
        throw ModuleError ("cannot load '" + path + "': " + (why != nullptr ? why : "unknown error"));
    }
}

PluginModule::Handle::~Handle()
{
    if (handle != nullptr && closeOnDestruction)
        dlclose (handle);
}

void* PluginModule::Handle::lookUp (const char* name) const
{
    if (auto* symbol = dlsym (handle, name))
        return symbol;

    throw ModuleError (std::string ("the module does not export ") + name);
}

PluginModule::PluginModule (const std::string& bundlePath)
    : modulePath (findModuleInBundle (bundlePath))
    , module (modulePath)
    , registerPlugin (reinterpret_cast<RegisterPluginFn> (module.lookUp ("ACFRegisterPlugin")))
    , registerComponent (reinterpret_cast<RegisterComponentFn> (module.lookUp ("ACFRegisterComponent")))
    , getClassFactory (reinterpret_cast<GetClassFactoryFn> (module.lookUp ("ACFGetClassFactory")))
    , canUnloadNow (reinterpret_cast<CanUnloadNowFn> (module.lookUp ("ACFCanUnloadNow")))
    , startup (reinterpret_cast<StartupFn> (module.lookUp ("ACFStartup")))
    , shutdown (reinterpret_cast<ShutdownFn> (module.lookUp ("ACFShutdown")))
    , getSDKVersion (reinterpret_cast<GetSDKVersionFn> (module.lookUp ("ACFGetSDKVersion")))
{
}

PluginModule::~PluginModule() = default;
}
