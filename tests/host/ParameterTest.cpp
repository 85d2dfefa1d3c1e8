// The parameters as the host sees them, and automation through the host's delegate.

#include "HostTestHelpers.h"
#include "HostPageTable.h"

#include <AAX_Errors.h>
#include <AAX_IACFEffectParameters.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace aaxhost;
using namespace hosttest;

namespace
{
std::vector<AutomationEvent> eventsFor (const PluginInstance& instance, const std::string& id)
{
    std::vector<AutomationEvent> result;

    for (auto& event : instance.getAutomationEvents())
        if (event.parameterID == id)
            result.push_back (event);

    return result;
}

std::vector<AutomationEvent::Kind> kindsOf (const std::vector<AutomationEvent>& events)
{
    std::vector<AutomationEvent::Kind> kinds;

    for (auto& event : events)
        kinds.push_back (event.kind);

    return kinds;
}
}

TEST (Parameters, SevenParametersInOrderWithNamesDefaultsStepsAndTexts)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);

    struct Expected
    {
        const char* id;
        const char* name;
        double defaultValue;
        int32_t steps;
        const char* text;
    };

    const Expected expected[] = {
        {"quality", "Quality", 0.0, 2, "Off"},
        {"input", "Input Gain", 0.5, 2048, "0.00"},
        {"output", "Output Gain", 0.5, 2048, "0.00"},
        {"clip", "Clip", 0.0, 2048, "0.00"},
        {"clipCurve", "Clip Curve", 0.8, 2048, "80.00"},
        {"clipBypass", "Clip Bypass", 0.0, 2, "Off"},
        {"MasterBypassID", "Master Bypass", 0.0, 2, "Off"},
    };

    const auto parameters = instance->getParameters();
    ASSERT_EQ (parameters.size(), std::size (expected));

    for (size_t i = 0; i < parameters.size(); ++i)
    {
        SCOPED_TRACE (expected[i].id);
        EXPECT_EQ (parameters[i].id, expected[i].id);
        EXPECT_EQ (parameters[i].name, expected[i].name);
        EXPECT_NEAR (parameters[i].defaultValue, expected[i].defaultValue, 1.0e-6);
        EXPECT_NEAR (parameters[i].value, expected[i].defaultValue, 1.0e-6);
        EXPECT_EQ (parameters[i].numSteps, expected[i].steps);
        EXPECT_EQ (parameters[i].valueText, expected[i].text);
        EXPECT_TRUE (parameters[i].automatable);
    }

    // The data model's own text of a value: three decimals of the normalized value.
    EXPECT_EQ (instance->getValueString ("clipCurve"), "0.800");
    EXPECT_EQ (instance->getValueString ("input"), "0.500");
}

TEST (Parameters, UnknownIdentifiersAndIndicesAreRefused)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    auto* parameters = instance->getEffectParameters();

    EXPECT_FALSE (instance->hasParameter ("Input"));
    EXPECT_TRUE (instance->hasParameter ("input"));
    EXPECT_EQ (instance->getParameterID (7), "");
    EXPECT_EQ (instance->getParameterID (-1), "");

    int32_t index = 5;
    EXPECT_EQ (parameters->GetParameterIndex ("nope", &index), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (index, -1);
    EXPECT_EQ (parameters->GetParameterIndex ("MasterBypassID", &index), AAX_SUCCESS);
    EXPECT_EQ (index, 6);
}

TEST (Parameters, TextsConvertBothWays)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);

    EXPECT_NEAR (instance->getValueFromText ("input", "10").value_or (-1.0), 0.75, 1.0e-6);
    EXPECT_NEAR (instance->getValueFromText ("input", "-3.5 dB").value_or (-1.0), 16.5 / 40.0, 1.0e-6);
    EXPECT_EQ (instance->getValueFromText ("quality", "on").value_or (-1.0), 1.0);
    EXPECT_EQ (instance->getValueFromText ("quality", "yes").value_or (-1.0), 0.0);
    EXPECT_EQ (instance->getTextForValue ("input", 0.25), "-10.00");
    EXPECT_EQ (instance->getTextForValue ("clipBypass", 1.0), "On");
}

TEST (Automation, EveryParameterIsRegisteredWithTheDelegate)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);

    std::vector<std::string> registered;

    for (auto& event : instance->getAutomationEvents())
        if (event.kind == AutomationEvent::Kind::registerParameter)
            registered.push_back (event.parameterID);

    EXPECT_EQ (registered, (std::vector<std::string>{"quality", "input", "output", "clip", "clipCurve", "clipBypass",
                                                     "MasterBypassID"}));
}

TEST (Automation, AHostSetGoesThroughTouchSetReleaseAndTheHostsAnswer)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    instance->clearAutomationEvents();

    EXPECT_EQ (instance->setNormalizedValue ("input", 0.75), AAX_SUCCESS);

    const auto events = eventsFor (*instance, "input");
    ASSERT_GE (events.size(), 3u);
    EXPECT_EQ (kindsOf ({events.begin(), events.begin() + 3}),
               (std::vector<AutomationEvent::Kind>{AutomationEvent::Kind::touch, AutomationEvent::Kind::setValueRequest,
                                                   AutomationEvent::Kind::release}));
    EXPECT_NEAR (events[1].value, 0.75, 1.0e-6);

    // The host answered the request, so both sides agree on the new value.
    EXPECT_NEAR (instance->getNormalizedValue ("input"), 0.75, 1.0e-6);
    EXPECT_EQ (instance->getTextForValue ("input", instance->getNormalizedValue ("input")), "10.00");
    EXPECT_EQ (instance->getValueString ("input"), "0.750");

    int32_t changes = 0;
    instance->getEffectParameters()->GetNumberOfChanges (&changes);
    EXPECT_GE (changes, 1);
}

TEST (Automation, HostUpdatesReachTheProcessorWithoutRequests)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    instance->clearAutomationEvents();

    EXPECT_EQ (instance->updateNormalizedValue ("clipCurve", 0.25), AAX_SUCCESS);
    EXPECT_NEAR (instance->getNormalizedValue ("clipCurve"), 0.25, 1.0e-6);
    EXPECT_EQ (instance->getValueString ("clipCurve"), "0.250");

    for (auto& event : instance->getAutomationEvents())
        EXPECT_NE (event.kind, AutomationEvent::Kind::setValueRequest);

    EXPECT_EQ (instance->updateNormalizedValue ("noSuchParameter", 0.5), AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST (Automation, MasterBypassIsPostedAsAFloatPacketIntoFieldThree)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);

    const std::vector<float> silence (16, 0.0f);
    std::vector<float> left (16), right (16);
    const float* inputs[] = {silence.data(), silence.data()};
    float* outputs[] = {left.data(), right.data()};

    const auto portBits = [&]
    {
        uint32_t bits = 0;
        std::memcpy (&bits, instance->getFieldData (3), sizeof (bits));
        return bits;
    };

    // The first packet comes with the instance; it reaches the context with the first block.
    instance->process (inputs, outputs, 16);
    EXPECT_EQ (portBits(), 0x00000000u);

    instance->setNormalizedValue ("MasterBypassID", 1.0);
    instance->process (inputs, outputs, 16);
    EXPECT_EQ (portBits(), 0x3F800000u); // 1.0f

    instance->setNormalizedValue ("MasterBypassID", 0.0);
    instance->process (inputs, outputs, 16);
    EXPECT_EQ (portBits(), 0x00000000u);
}

TEST (PageTables, ThePluginKeepsTheHostsDefaultTable)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);

    const auto table = ComPtr<HostPageTable>::share (new HostPageTable());
    table->InsertPage (0);
    table->MapParameterID ("input", 0, 0);

    // JUCE's client lays out no pages of its own: the call reaches the library's default, which says so, and
    // the host's table stays as the host filled it.
    EXPECT_EQ (instance->updatePageTable (table.get(), 0x50674C74 /* 'PgLt' */, 8), AAX_ERROR_UNIMPLEMENTED);
    ASSERT_EQ (table->getPages().size(), 1u);
    EXPECT_EQ (table->getPages()[0], (std::vector<std::string>{"input"}));
}
