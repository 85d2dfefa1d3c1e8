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

    if (fs::is_regular_file (path, error))
        return fs::absolute (path).string();

    if (!fs::is_directory (path, error))
        throw ModuleError ("'" + bundlePath + "' is neither a bundle directory nor a shared module");

    const auto contents = path / "Contents";
    const auto searchRoot = fs::is_directory (contents, error) ? contents : path;

    std::vector<fs::path> candidates;

    for (fs::recursive_directory_iterator it (searchRoot, error), end; it != end; it.increment (error))
        if (it->is_regular_file (error) && it->path().extension() == ".so")
            candidates.push_back (it->path());

    if (candidates.empty())
        throw ModuleError ("no shared module (*.so) inside the bundle '" + bundlePath + "'");

    // The module for this platform's directory wins; otherwise the first in name order.
    std::sort (candidates.begin(), candidates.end());

    const auto platformModule =
        std::find_if (candidates.begin(), candidates.end(),
                      [] (const fs::path& p) { return p.parent_path().filename() == "x86_64-linux"; });

    return fs::absolute (platformModule != candidates.end() ? *platformModule : candidates.front()).string();
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
