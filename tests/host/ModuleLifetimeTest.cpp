// The plug-in's module stays loaded, and the host's state valid, for as long as anything may still call it.

#include "HostTestHelpers.h"

#include <AAX_IACFEffectParameters.h>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <vector>

using namespace aaxhost;
using namespace hosttest;

namespace
{
bool isLoaded (const std::string& modulePath)
{
    auto* const handle = dlopen (modulePath.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);

    if (handle == nullptr)
        return false;

    dlclose (handle);
    return true;
}

void processSilence (PluginInstance& instance, int numFrames)
{
    std::vector<std::vector<float>> in (2, std::vector<float> ((size_t)numFrames, 0.25f));
    std::vector<std::vector<float>> out (2, std::vector<float> ((size_t)numFrames));
    const float* inputs[] = {in[0].data(), in[1].data()};
    float* outputs[] = {out[0].data(), out[1].data()};
    instance.process (inputs, outputs, numFrames);
}
}

TEST (HostLifetime, AnInstanceOutlivesTheHostThatMadeIt)
{
    auto host = makeRegisteredHost();
    auto instance = makeInstance (*host);
    const auto modulePath = host->getModule().getModulePath();

    host.reset();

    // The host is gone, but the module it loaded is still there for the instance.
    ASSERT_TRUE (isLoaded (modulePath));
    EXPECT_TRUE (instance->hasParameter ("clip"));
    EXPECT_EQ (instance->setNormalizedValue ("clip", 0.5), 0);
    EXPECT_DOUBLE_EQ (instance->getNormalizedValue ("clip"), 0.5);
    processSilence (*instance, 512);

    instance.reset(); // shuts the plug-in down and unloads it: must not crash
}

TEST (HostLifetime, TheModuleStaysLoadedWhileThePluginCountsLiveObjects)
{
    auto host = makeRegisteredHost();
    auto instance = makeInstance (*host);
    const auto modulePath = host->getModule().getModulePath();

    // A reference the host forgot to give back keeps the data model, and so the plug-in's code, in use.
    auto* const dataModel = instance->getEffectParameters();
    ASSERT_NE (dataModel, nullptr);
    dataModel->AddRef();

    instance.reset();
    EXPECT_NE (host->canUnloadNow(), 0);
    host.reset();

    ASSERT_TRUE (isLoaded (modulePath));
    dataModel->Release(); // runs the plug-in's code: it must still be mapped
    EXPECT_TRUE (isLoaded (modulePath));
}
