// The real bundle in hosts that leave out interface versions or hand back broken chunks: every
// combination still registers, instantiates and processes, every chunk cut short or padded out is
// accepted without harm, and values that are not numbers never reach the audio.

#include "Host.h"
#include "PluginInstance.h"

#include <AAX_Errors.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{
using namespace aaxhost;

constexpr uint32_t controlsChunkID = 0x656C636B;  // 'elck'
constexpr int32_t stereo = 0x00010002;
constexpr int blockSize = 256;

std::unique_ptr<Host> makeHost (const HostOptions& options = {})
{
    auto host = std::make_unique<Host> (VANTREL_AAX_BUNDLE_DIR, options);
    host->registerPlugin();
    return host;
}

const ComponentDescription* findComponent (const Host& host, int32_t stemFormat)
{
    for (const auto& effect : host.getDescription().effects)
        for (const auto& component : effect.components)
            if (component.getInputStemFormat() == stemFormat)
                return &component;

    return nullptr;
}

std::unique_ptr<PluginInstance> makeInstance (Host& host, int32_t stemFormat = stereo)
{
    const auto* component = findComponent (host, stemFormat);

    if (component == nullptr)
        return nullptr;

    return host.createInstance (host.getDescription().effects.front(), *component, {48000.0, blockSize});
}

// Plays a loud sine through the instance and counts the output samples that are not finite.
int countNonFiniteOutput (PluginInstance& instance, int numBlocks = 20)
{
    const auto channels = instance.getNumOutputChannels();
    std::vector<std::vector<float>> in ((size_t)channels, std::vector<float> (blockSize));
    std::vector<std::vector<float>> out ((size_t)channels, std::vector<float> (blockSize));
    std::vector<const float*> inputs;
    std::vector<float*> outputs;

    for (int c = 0; c < channels; ++c)
    {
        inputs.push_back (in[(size_t)c].data());
        outputs.push_back (out[(size_t)c].data());
    }

    int nonFinite = 0;

    for (int block = 0; block < numBlocks; ++block)
    {
        for (auto& channel : in)
            for (int i = 0; i < blockSize; ++i)
                channel[(size_t)i] = 1.5f * std::sin (0.05f * (float)(block * blockSize + i));

        instance.process (inputs.data(), outputs.data(), blockSize);

        for (const auto& channel : out)
            for (const auto sample : channel)
                if (!std::isfinite (sample))
                    ++nonFinite;
    }

    return nonFinite;
}

void expectValuesFiniteAndInRange (const PluginInstance& instance)
{
    for (const auto& parameter : instance.getParameters())
    {
        EXPECT_TRUE (std::isfinite (parameter.value)) << parameter.id;
        EXPECT_GE (parameter.value, 0.0) << parameter.id;
        EXPECT_LE (parameter.value, 1.0) << parameter.id;
    }
}

//==============================================================================
struct Versions
{
    int effectDescriptor, componentDescriptor, propertyMap, controller, transport;
    bool descriptionHost, automationDelegate;
};

std::string nameOf (const testing::TestParamInfo<Versions>& info)
{
    const auto& v = info.param;
    return "Effect" + std::to_string (v.effectDescriptor) + "_Component" + std::to_string (v.componentDescriptor) +
           "_Map" + std::to_string (v.propertyMap) + "_Controller" + std::to_string (v.controller) + "_Transport" +
           std::to_string (v.transport) + (v.descriptionHost ? "_DescriptionHost" : "_NoDescriptionHost") +
           (v.automationDelegate ? "_Automation" : "_NoAutomation");
}

class OlderHosts : public testing::TestWithParam<Versions>
{
};
}

// A host that offers only older versions of its interfaces is described to, instantiated in and
// processed by exactly as a complete one: the wrappers make up for what is missing.
TEST_P (OlderHosts, RegisterInstantiateAndProcess)
{
    const auto& v = GetParam();
    HostOptions options;
    options.effectDescriptorVersions = v.effectDescriptor;
    options.componentDescriptorVersions = v.componentDescriptor;
    options.propertyMapVersions = v.propertyMap;
    options.controllerVersions = v.controller;
    options.transportVersions = v.transport;
    options.offerDescriptionHost = v.descriptionHost;
    options.offerAutomationDelegate = v.automationDelegate;

    const auto host = makeHost (options);
    ASSERT_EQ (host->getDescription().effects.size(), 1u);

    const auto& components = host->getDescription().effects.front().components;
    ASSERT_EQ (components.size(), 2u);

    for (const auto& component : components)
        EXPECT_FALSE (component.processProcedures.empty());

    {
        const auto instance = makeInstance (*host);
        ASSERT_NE (instance, nullptr);
        EXPECT_EQ (instance->setNormalizedValue ("clip", 0.7), AAX_SUCCESS);
        instance->serviceAutomation();
        EXPECT_NEAR (instance->getNormalizedValue ("clip"), 0.7, 1.0e-6);
        EXPECT_EQ (countNonFiniteOutput (*instance), 0);
    }

    EXPECT_EQ (host->canUnloadNow(), 0);
}

INSTANTIATE_TEST_SUITE_P (EveryMissingVersion, OlderHosts,
                          testing::Values (Versions{2, 3, 3, 3, 3, true, true}, Versions{1, 3, 3, 3, 3, true, true},
                                           Versions{2, 1, 3, 3, 3, true, true}, Versions{2, 2, 3, 3, 3, true, true},
                                           Versions{2, 3, 1, 3, 3, true, true}, Versions{2, 3, 2, 3, 3, true, true},
                                           Versions{2, 3, 3, 1, 3, true, true}, Versions{2, 3, 3, 2, 3, true, true},
                                           Versions{2, 3, 3, 3, 0, true, true}, Versions{2, 3, 3, 3, 1, true, true},
                                           Versions{2, 3, 3, 3, 3, false, true}, Versions{2, 3, 3, 3, 3, true, false},
                                           Versions{1, 1, 1, 1, 0, false, false}),
                          nameOf);

// ACFStartup with every kind of host-services support: a failed factory query still gives a wrapper
// (0), a query that succeeds with a null factory is refused with 0x8000FFFF; registration works in all.
TEST (HostileHosts, StartupWithEveryHostServicesAnswer)
{
    for (const auto versions : {0, 1, 2, 3})
        for (const auto answer : {FactoryAnswer::offered, FactoryAnswer::missing, FactoryAnswer::successWithNull})
        {
            HostOptions options;
            options.hostServicesVersions = versions;
            options.startupFactory = answer;
            Host host (VANTREL_AAX_BUNDLE_DIR, options);

            EXPECT_EQ ((uint32_t)host.getStartupResult(), answer == FactoryAnswer::successWithNull ? 0x8000FFFFu : 0u)
                << "versions " << versions;
            EXPECT_EQ (host.tryRegisterPlugin(), 0);
            EXPECT_EQ (host.shutdown(), 0);
            EXPECT_EQ (host.canUnloadNow(), 0);
        }
}

// A host whose instance objects answer every query with success and a null pointer: the plug-in sees
// a host that offers none of them, and JUCE's client refuses the instance with a result code (it
// cannot learn its stem format) instead of an exception thrown back into the host's call.
TEST (HostileHosts, InstanceObjectsAnsweringWithNullPointers)
{
    HostOptions options;
    options.instanceAnswersWithNull = true;
    const auto host = makeHost (options);

    try
    {
        makeInstance (*host);
        FAIL() << "expected the instance to be refused";
    }
    catch (const PluginError& error)
    {
        EXPECT_EQ (error.result, AAX_ERROR_UNIMPLEMENTED) << error.what();
    }

    EXPECT_EQ (host->canUnloadNow(), 0);
}

// Registration against a host whose factory is missing or broken fails with the fixed codes and
// leaves no object behind.
TEST (HostileHosts, RegistrationWithoutAWorkingFactory)
{
    for (const auto answer : {FactoryAnswer::missing, FactoryAnswer::successWithNull})
    {
        HostOptions options;
        options.registrationFactory = answer;
        Host host (VANTREL_AAX_BUNDLE_DIR, options);

        const auto result = host.tryRegisterPlugin();
        EXPECT_EQ (result, answer == FactoryAnswer::missing ? -20004 : -20042);
        EXPECT_EQ (host.canUnloadNow(), 0);
    }
}

//==============================================================================
namespace
{
std::vector<double> valuesOf (const PluginInstance& instance)
{
    std::vector<double> values;

    for (const auto& parameter : instance.getParameters())
        values.push_back (parameter.value);

    return values;
}

std::vector<char> bigEndianDouble (double value)
{
    uint64_t bits = 0;
    std::memcpy (&bits, &value, sizeof (bits));
    std::vector<char> bytes;

    for (int shift = 56; shift >= 0; shift -= 8)
        bytes.push_back ((char)((bits >> shift) & 0xFF));

    return bytes;
}

// A controls chunk holding one double record.
PluginChunk controlsChunkWith (const std::string& id, double value)
{
    PluginChunk chunk;
    chunk.id = controlsChunkID;
    chunk.data = {1, 1, 1, 1, 'd', '_'};
    std::copy (id.begin(), id.end(), std::back_inserter (chunk.data));
    chunk.data.push_back (0);

    while (chunk.data.size() % 4 != 0)
        chunk.data.push_back (0);

    const auto bytes = bigEndianDouble (value);
    chunk.data.insert (chunk.data.end(), bytes.begin(), bytes.end());
    return chunk;
}
}

// Every prefix of both saved chunks, as a host that lost the end of a session file would hand it
// back: accepted, values stay valid, audio stays finite. The full chunk then restores exactly.
TEST (HostileChunks, EveryTruncationOfBothChunks)
{
    const auto host = makeHost();
    const auto source = makeInstance (*host);
    ASSERT_NE (source, nullptr);

    for (const auto& [id, value] : std::vector<std::pair<std::string, double>>{
             {"quality", 1.0}, {"input", 0.8}, {"output", 0.3}, {"clip", 0.6}, {"clipCurve", 0.1}, {"clipBypass", 1.0}})
    {
        source->setNormalizedValue (id, value);
        source->serviceAutomation();
    }

    const auto saved = source->getChunks();
    ASSERT_EQ (saved.size(), 2u);

    const auto target = makeInstance (*host);
    ASSERT_NE (target, nullptr);

    for (const auto& chunk : saved)
    {
        for (size_t length = 0; length < chunk.data.size(); length += (length < 64 ? 1 : 7))
        {
            auto cut = chunk;
            cut.data.resize (length);
            EXPECT_EQ (target->setChunk (cut), AAX_SUCCESS) << "chunk " << chunk.name << " cut to " << length;
        }

        expectValuesFiniteAndInRange (*target);
        EXPECT_EQ (countNonFiniteOutput (*target, 4), 0) << chunk.name;
    }

    for (const auto& chunk : saved)
        EXPECT_EQ (target->setChunk (chunk), AAX_SUCCESS);

    EXPECT_EQ (valuesOf (*target), valuesOf (*source));
}

// A chunk with a kilobyte of garbage after its valid contents (a host that pads its records) is
// restored from the valid part.
TEST (HostileChunks, TrailingGarbageAfterBothChunks)
{
    const auto host = makeHost();
    const auto source = makeInstance (*host);
    ASSERT_NE (source, nullptr);
    source->setNormalizedValue ("input", 0.9);
    source->serviceAutomation();

    const auto target = makeInstance (*host);
    std::minstd_rand random (5);

    for (auto chunk : source->getChunks())
    {
        for (int i = 0; i < 1024; ++i)
            chunk.data.push_back ((char)(random() & 0xFF));

        EXPECT_EQ (target->setChunk (chunk), AAX_SUCCESS) << chunk.name;
    }

    EXPECT_NEAR (target->getNormalizedValue ("input"), 0.9, 1.0e-6);
    expectValuesFiniteAndInRange (*target);
    EXPECT_EQ (countNonFiniteOutput (*target, 4), 0);
}

// Values that are not numbers, or out of range, arriving through a controls chunk or straight from
// the host never reach the audio: it stays finite. (What the host reads back for such a value is the
// framework's parameter's own business.) A good value afterwards brings every parameter back.
TEST (HostileChunks, NonNumbersAndOutOfRangeValuesNeverReachTheAudio)
{
    const auto host = makeHost();
    const auto instance = makeInstance (*host);
    ASSERT_NE (instance, nullptr);

    const char* const ids[] = {"quality", "input", "output", "clip", "clipCurve", "clipBypass"};
    const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), 1.0e300, -5.0};

    for (const auto* id : ids)
        for (const auto value : values)
        {
            EXPECT_EQ (instance->setChunk (controlsChunkWith (id, value)), AAX_SUCCESS);
            EXPECT_EQ (countNonFiniteOutput (*instance, 2), 0) << id << " = " << value << " from a chunk";

            instance->updateNormalizedValue (id, value);
            EXPECT_EQ (countNonFiniteOutput (*instance, 2), 0) << id << " = " << value << " from the host";
        }

    for (const auto* id : ids)
        instance->updateNormalizedValue (id, 0.5);

    expectValuesFiniteAndInRange (*instance);
    EXPECT_EQ (countNonFiniteOutput (*instance, 2), 0);
}
