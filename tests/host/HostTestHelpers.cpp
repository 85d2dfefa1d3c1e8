#include "HostTestHelpers.h"

#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

namespace hosttest
{
std::unique_ptr<aaxhost::Host> makeRegisteredHost (aaxhost::HostOptions options)
{
    auto host = std::make_unique<aaxhost::Host> (bundlePath(), std::move (options));
    host->registerPlugin();
    return host;
}

const aaxhost::ComponentDescription& componentFor (const aaxhost::Host& host, int32_t stemFormat)
{
    for (auto& component : host.getDescription().effects.at (0).components)
        if (component.getInputStemFormat() == stemFormat)
            return component;

    throw std::runtime_error ("no component for the stem format");
}

std::unique_ptr<aaxhost::PluginInstance> makeInstance (aaxhost::Host& host, int32_t stemFormat, double sampleRate)
{
    aaxhost::InstanceSettings settings;
    settings.sampleRate = sampleRate;
    settings.maxBlockSize = 1024;
    return host.createInstance (host.getDescription().effects.at (0), componentFor (host, stemFormat), settings);
}
}

namespace
{
/** The engine run directly in this process needs JUCE's message manager, and the singletons must be gone at
    the end or JUCE's leak detector reports them.
*/
class JuceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { initialiser = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }

    void TearDown() override
    {
        initialiser.reset();
        juce::DeletedAtShutdown::deleteAll();
        juce::MessageManager::deleteInstance();
    }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> initialiser;
};
}

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    ::testing::AddGlobalTestEnvironment (new JuceEnvironment());
    return RUN_ALL_TESTS();
}
