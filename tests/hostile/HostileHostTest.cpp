// The real bundle in hosts that leave out interface versions or hand back broken chunks: every
// combination still registers, instantiates and processes, every chunk cut short or padded out is
// accepted without harm, and values that are not numbers never reach the audio.

#include "HostTestHelpers.h"

#include <AAX_Errors.h>
#include <AAX_IACFEffectParameters.h>

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
using hosttest::makeRegisteredHost;
using hosttest::stereo;

constexpr uint32_t controlsChunkID = 0x656C636B; // 'elck'
constexpr int blockSize = 256;

std::unique_ptr<PluginInstance> makeInstance (Host& host)
{
    return hosttest::makeInstance (host, stereo, 48000.0, blockSize);
}

// One block of a sine on every channel of an instance, and room for what the instance makes of it.
struct SineBlock : hosttest::ChannelBuffers
{
    explicit SineBlock (const PluginInstance& instance)
        : ChannelBuffers (instance.getNumOutputChannels(), blockSize)
    {
    }

    void process (PluginInstance& instance, float amplitude, int firstSample)
    {
        for (auto& channel : in)
            for (int i = 0; i < blockSize; ++i)
                channel[(size_t)i] = amplitude * std::sin (0.05f * (float)(firstSample + i));

        instance.process (inputs.data(), outputs.data(), blockSize);
    }
};

// Plays a loud sine through the instance and counts the output samples that are not finite.
int countNonFiniteOutput (PluginInstance& instance, int numBlocks = 20)
{
    SineBlock sine (instance);
    int nonFinite = 0;

    for (int block = 0; block < numBlocks; ++block)
    {
        sine.process (instance, 1.5f, block * blockSize);

        for (const auto& channel : sine.out)
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

    const auto host = makeRegisteredHost (options);
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
    const auto host = makeRegisteredHost (options);

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

// Sets every parameter of the plug-in away from its default, as the host does (and answers the
// plug-in's requests).
void changeEveryParameter (PluginInstance& instance)
{
    for (const auto& [id, value] : std::vector<std::pair<std::string, double>>{
             {"quality", 1.0}, {"input", 0.8}, {"output", 0.3}, {"clip", 0.6}, {"clipCurve", 0.1}, {"clipBypass", 1.0}})
        instance.setNormalizedValue (id, value);
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
    const auto host = makeRegisteredHost();
    const auto source = makeInstance (*host);
    ASSERT_NE (source, nullptr);

    changeEveryParameter (*source);

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
    const auto host = makeRegisteredHost();
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
    const auto host = makeRegisteredHost();
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

//==============================================================================
namespace
{
constexpr uint32_t juceChunkID = 0x6A756365; // 'juce'

// The host-side values: the data model's own texts of its parameters (three decimals of 0..1).
std::vector<std::string> hostSideTextsOf (const PluginInstance& instance)
{
    std::vector<std::string> texts;

    for (const auto& parameter : instance.getParameters())
        texts.push_back (parameter.valueString);

    return texts;
}

std::string stateTextOf (const PluginInstance& instance)
{
    const auto block = instance.getChunk (juceChunkID).data;
    return block.size() > 9 ? std::string (block.begin() + 8, block.end() - 1) : std::string();
}

// Plays a sine through the instance and tells whether the output is the input unchanged.
bool outputIsInput (PluginInstance& instance)
{
    SineBlock sine (instance);
    sine.process (instance, 0.9f, 0);
    return sine.out == sine.in;
}
}

// A host that offers no automation delegate never answers a set-value request. Values set by the host
// or by the plug-in, and restored controls chunks, take effect at once on the host side (the data
// model's own value texts and chunk) and in the processor (JUCE's parameters, which the framework's
// client reports, and its chunk); the master bypass reaches the audio.
TEST (HostileHosts, WithoutAnAutomationDelegateValuesTakeEffectAtOnceOnBothSides)
{
    HostOptions options;
    options.offerAutomationDelegate = false;
    const auto host = makeRegisteredHost (options);
    const auto source = makeInstance (*host);
    ASSERT_NE (source, nullptr);

    EXPECT_EQ (source->setNormalizedValue ("clip", 0.7), AAX_SUCCESS);
    EXPECT_EQ (source->getParameterInfo ("clip").valueString, "0.700");
    EXPECT_NEAR (source->getNormalizedValue ("clip"), 0.7, 1.0e-3);
    EXPECT_NE (stateTextOf (*source).find ("<PARAM id=\"clip\" value=\"10.5\"/>"), std::string::npos)
        << stateTextOf (*source);

    const auto controls = source->getChunk (controlsChunkID);
    EXPECT_TRUE (source->isChunkEqual (controls));

    const auto target = makeInstance (*host);
    EXPECT_FALSE (target->isChunkEqual (controls));
    EXPECT_EQ (target->setChunk (controls), AAX_SUCCESS);
    EXPECT_TRUE (target->isChunkEqual (controls));
    EXPECT_EQ (hostSideTextsOf (*target), hostSideTextsOf (*source));
    EXPECT_EQ (valuesOf (*target), valuesOf (*source));
    EXPECT_EQ (stateTextOf (*target), stateTextOf (*source));

    // The drive changes the sine; the master bypass, set by the host, hands it through unchanged.
    EXPECT_FALSE (outputIsInput (*target));
    EXPECT_EQ (target->setNormalizedValue ("MasterBypassID", 1.0), AAX_SUCCESS);
    EXPECT_TRUE (outputIsInput (*target));
}

namespace
{
// Everything a host can read of an instance's settings: the data model's own value texts, the values
// JUCE's client reports from its parameters, and both saved chunks.
struct Settings
{
    explicit Settings (const PluginInstance& instance)
        : hostSide (hostSideTextsOf (instance))
        , processorSide (valuesOf (instance))
        , state (stateTextOf (instance))
        , controls (instance.getChunk (controlsChunkID).data)
    {
    }

    std::vector<std::string> hostSide;
    std::vector<double> processorSide;
    std::string state;
    std::vector<char> controls;
};

// The first of the four that differs, if any.
testing::AssertionResult sameSettings (const Settings& actual, const Settings& expected)
{
    for (size_t i = 0; i < std::min (actual.hostSide.size(), expected.hostSide.size()); ++i)
        if (actual.hostSide[i] != expected.hostSide[i] || actual.processorSide[i] != expected.processorSide[i])
            return testing::AssertionFailure()
                   << "parameter " << i << " reads " << actual.hostSide[i] << " / " << actual.processorSide[i]
                   << " instead of " << expected.hostSide[i] << " / " << expected.processorSide[i];

    if (actual.hostSide.size() != expected.hostSide.size() || actual.processorSide != expected.processorSide)
        return testing::AssertionFailure() << "the parameters differ";

    if (actual.state != expected.state)
        return testing::AssertionFailure() << "the 'juce' chunk now holds " << actual.state;

    if (actual.controls != expected.controls)
        return testing::AssertionFailure() << "the 'elck' chunk differs";

    return testing::AssertionSuccess();
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
const char* const parameterIDs[] = {"quality", "input", "output", "clip", "clipCurve", "clipBypass"};
}

// Values that are not finite numbers, from the host or from a corrupt controls chunk, change no
// parameter on either side, and no saved state holds them. JUCE's client hands the processor's
// parameters the host's value narrowed to a float, where a value beyond a float's range is an
// infinity: the data model refuses those as well, so that both sides agree. The host's
// UpdateParameterNormalizedValue is refused with AAX_ERROR_INVALID_ARGUMENT; SetParameterNormalizedValue
// is answered by JUCE's own override, which reports success whatever the library says.
TEST (HostileChunks, ValuesThatAreNotFiniteNumbersChangeNothingOnEitherSide)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    ASSERT_NE (instance, nullptr);

    changeEveryParameter (*instance);
    const Settings before (*instance);
    const auto controls = instance->getChunk (controlsChunkID);

    for (const auto* id : parameterIDs)
        for (const auto value : {notANumber, infinity, -infinity, 1.0e300, -1.0e300})
        {
            SCOPED_TRACE (std::string (id) + " = " + testing::PrintToString (value));

            instance->setNormalizedValue (id, value);
            ASSERT_TRUE (sameSettings (Settings (*instance), before)) << "set";

            EXPECT_EQ (instance->updateNormalizedValue (id, value), AAX_ERROR_INVALID_ARGUMENT);
            ASSERT_TRUE (sameSettings (Settings (*instance), before)) << "updated";

            // A record holds a real value, which is limited to the range when it is finite.
            if (!std::isfinite (value))
            {
                EXPECT_EQ (instance->setChunk (controlsChunkWith (id, value)), AAX_SUCCESS);
                ASSERT_TRUE (sameSettings (Settings (*instance), before)) << "from a chunk";
            }
        }

    // Relative changes by a delta that is not a number, through JUCE's own SetParameterNormalizedRelative
    // and the data model's UpdateParameterNormalizedRelative. (JUCE's override limits an infinite delta
    // to the range before any code of ours sees it: that one is left out.)
    auto* parameters = instance->getEffectParameters();

    for (const auto* id : parameterIDs)
    {
        parameters->SetParameterNormalizedRelative (id, notANumber);
        instance->serviceAutomation();

        for (const auto delta : {notANumber, infinity, -infinity})
            EXPECT_EQ (parameters->UpdateParameterNormalizedRelative (id, delta), AAX_ERROR_INVALID_ARGUMENT) << id;

        ASSERT_TRUE (sameSettings (Settings (*instance), before)) << id << " changed by a relative amount";
    }

    EXPECT_TRUE (instance->isChunkEqual (controls));
}

// A refused value does not reach the audio either: an instance handed every refused value between
// its blocks plays exactly what its twin plays, which is handed none (no ramp starts towards the end
// of a range and back).
TEST (HostileHosts, RefusedValuesLeaveTheAudioAsItWas)
{
    const auto host = makeRegisteredHost();
    const auto hostile = makeInstance (*host);
    const auto twin = makeInstance (*host);
    ASSERT_NE (hostile, nullptr);
    ASSERT_NE (twin, nullptr);

    for (auto* instance : {hostile.get(), twin.get()})
    {
        changeEveryParameter (*instance);
        instance->setNormalizedValue ("clipBypass", 0.0);
    }

    SineBlock hostileSine (*hostile), twinSine (*twin);
    int block = 0;

    const auto playOneBlock = [&]
    {
        hostileSine.process (*hostile, 0.8f, block * blockSize);
        twinSine.process (*twin, 0.8f, block * blockSize);
        ++block;
        return hostileSine.out == twinSine.out;
    };

    // Past every ramp of the settings, so that any new target would be heard at once.
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE (playOneBlock());

    for (const auto* id : parameterIDs)
        for (const auto value : {notANumber, infinity, -infinity, 1.0e300})
        {
            hostile->setNormalizedValue (id, value);
            EXPECT_TRUE (playOneBlock()) << id << " set to " << value;

            hostile->updateNormalizedValue (id, value);
            EXPECT_TRUE (playOneBlock()) << id << " updated to " << value;
        }

    EXPECT_NE (hostileSine.out, hostileSine.in) << "the settings are heard";
}

// A host that initialises an instance a second time: JUCE's client adds all of its parameters again,
// which the data model deletes (the sanitizer build checks that nothing leaks); the parameters and
// their values stay as they were.
TEST (HostileHosts, ASecondInitializeKeepsTheParametersAndLeaksNothing)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    ASSERT_NE (instance, nullptr);

    instance->setNormalizedValue ("input", 0.75);
    const auto values = valuesOf (*instance);
    const auto hostSide = hostSideTextsOf (*instance);

    EXPECT_EQ (instance->getEffectParameters()->Initialize (instance->getContext()), AAX_SUCCESS);
    EXPECT_EQ (instance->getNumParameters(), 7);
    EXPECT_EQ (valuesOf (*instance), values);
    EXPECT_EQ (hostSideTextsOf (*instance), hostSide);
}
