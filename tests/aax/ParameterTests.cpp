#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_VAutomationDelegate.h"
#include "ScopedHostServices.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace
{
using FloatParameter = AAX_CParameter<float>;

std::unique_ptr<FloatParameter> MakeParameter (const char* identifier = "gain", float defaultValue = 0.25f,
                                               float minValue = 0.0f, float maxValue = 1.0f)
{
    return std::make_unique<FloatParameter> (identifier, AAX_CString ("Gain"), defaultValue,
                                             AAX_CLinearTaperDelegate<float, 0> (minValue, maxValue),
                                             AAX_CNumberDisplayDelegate<float, 3>(), true);
}

/** The host's automation delegate behind the library's wrapper, as the data model hands it out. */
struct AutomatedParameter
{
    AutomatedParameter()
        : wrapper (hostDelegate.AsUnknown())
    {
        parameter->SetAutomationDelegate (&wrapper);
    }

    /** What the host was asked, in order, since the last look. */
    std::vector<std::string> Calls()
    {
        auto calls = log.Summary ("automation");
        log.Clear();
        return calls;
    }

    /** The value of the last set-value request. */
    std::string LastRequestedValue() const { return log.Of ("PostSetValueRequest").back().arguments[1]; }

    FakeHost::CallLog log;
    FakeHost::AutomationDelegate hostDelegate{log, "automation"};
    AAX_VAutomationDelegate wrapper;
    std::unique_ptr<FloatParameter> parameter = MakeParameter();
};
}

TEST (FloatParameter, LongIdentifierIsCutTo31CharactersWithOneAssertion)
{
    FakeHost::ServicesHost host (3);
    const FakeHost::ScopedHostServices services (host);

    const std::string identifier (40, 'p');
    const auto parameter = MakeParameter (identifier.c_str());

    EXPECT_EQ (std::string (parameter->Identifier()), std::string (31, 'p'));
    const auto reports = host.log.Of ("HandleAssertFailure");
    ASSERT_EQ (reports.size(), 1u);
    EXPECT_EQ (reports[0].arguments[2], "len < eParemeterDefaultMaxIdentifierSize");
    EXPECT_EQ (reports[0].arguments[3], "1");

    const auto& file = reports[0].arguments[0];
    EXPECT_EQ (file.substr (file.size() - std::string ("Interfaces/AAX_CParameter.h").size()),
               "Interfaces/AAX_CParameter.h");

    // A copy of the value keeps the cut identifier without a further report.
    const std::unique_ptr<AAX_IParameterValue> value (parameter->CloneValue());
    EXPECT_EQ (std::string (value->Identifier()), std::string (31, 'p'));
    EXPECT_EQ (host.log.Of ("HandleAssertFailure").size(), 1u);

    const auto exact = MakeParameter (std::string (31, 'q').c_str());
    EXPECT_EQ (std::string (exact->Identifier()), std::string (31, 'q'));
    EXPECT_EQ (host.log.Of ("HandleAssertFailure").size(), 1u);
}

TEST (FloatParameter, ConstructionGivesDefaultsAndStepCount)
{
    const auto parameter = MakeParameter ("gain", 0.25f);

    EXPECT_EQ (parameter->GetNumberOfSteps(), 128u);
    EXPECT_EQ (parameter->GetType(), AAX_eParameterType_Continuous);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.25);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedDefaultValue(), 0.25);
    EXPECT_TRUE (parameter->Automatable());
    EXPECT_STREQ (parameter->Name().Get(), "Gain");
}

TEST (FloatParameter, ZeroStepsIsReportedAndIgnored)
{
    FakeHost::ServicesHost host (3);
    const FakeHost::ScopedHostServices services (host);

    const auto parameter = MakeParameter();
    parameter->SetNumberOfSteps (2);
    parameter->SetNumberOfSteps (0);

    EXPECT_EQ (parameter->GetNumberOfSteps(), 2u);
    ASSERT_EQ (host.log.Of ("HandleAssertFailure").size(), 1u);
    EXPECT_EQ (host.log.Of ("HandleAssertFailure")[0].arguments[2], "0 < numSteps");
}

TEST (FloatParameter, ShortenedNames)
{
    const auto parameter =
        std::make_unique<FloatParameter> ("g", AAX_CString ("Input Gain"), 0.0f, AAX_CLinearTaperDelegate<float, 0>(),
                                          AAX_CNumberDisplayDelegate<float, 3>(), false);

    EXPECT_STREQ (parameter->ShortenedName (3).Get(), "Input Gain"); // no shortened names yet

    parameter->AddShortenedName ("In");
    parameter->AddShortenedName ("InGn");

    EXPECT_STREQ (parameter->ShortenedName (-1).Get(), "Input Gain");
    EXPECT_STREQ (parameter->ShortenedName (10).Get(), "Input Gain");
    EXPECT_STREQ (parameter->ShortenedName (31).Get(), "Input Gain");
    EXPECT_STREQ (parameter->ShortenedName (4).Get(), "InGn");
    EXPECT_STREQ (parameter->ShortenedName (3).Get(), "In");
    EXPECT_STREQ (parameter->ShortenedName (1).Get(), "In"); // the shortest when none fits

    parameter->AddShortenedName ("IG");
    EXPECT_STREQ (parameter->ShortenedName (2).Get(), "IG"); // same length replaces

    parameter->ClearShortenedNames();
    EXPECT_STREQ (parameter->ShortenedName (2).Get(), "Input Gain");
}

TEST (FloatParameter, StepMaths)
{
    const auto parameter = MakeParameter();
    parameter->SetNumberOfSteps (5);

    EXPECT_EQ (parameter->GetStepValueFromNormalizedValue (0.6), 2u); // 0.6 / 0.25 + 0.5 = 2.9
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValueFromStep (3), 0.75);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValueFromStep (9), 1.0);
    EXPECT_EQ (parameter->GetStepValueFromNormalizedValue (-0.5), 0u);
    EXPECT_EQ (parameter->GetStepValueFromNormalizedValue (2.0), 4u);
    EXPECT_EQ (parameter->GetStepValueFromNormalizedValue (std::numeric_limits<double>::quiet_NaN()), 0u);

    parameter->SetStepValue (3);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.75);
    EXPECT_EQ (parameter->GetStepValue(), 3u);

    parameter->SetNumberOfSteps (1);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValueFromStep (3), 0.0);
    EXPECT_EQ (parameter->GetStepValueFromNormalizedValue (0.9), 0u);
    parameter->SetStepValue (0);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.75); // unchanged with fewer than 2 steps
}

TEST (FloatParameter, WithoutAutomationDelegateChangesApplyAtOnce)
{
    const auto parameter = MakeParameter ("gain", 0.0f, -10.0f, 10.0f);

    parameter->SetNormalizedValue (0.75);
    float real = 0.0f;
    EXPECT_TRUE (parameter->GetValueAsFloat (&real));
    EXPECT_FLOAT_EQ (real, 5.0f);

    EXPECT_TRUE (parameter->SetValueWithFloat (-5.0f));
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.25);

    EXPECT_TRUE (parameter->SetValueFromString (AAX_CString ("2.5 dB")));
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.625);

    EXPECT_FALSE (parameter->SetValueFromString (AAX_CString ("loud")));
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.625);

    parameter->SetToDefaultValue();
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.5);
}

TEST (FloatParameter, WithAutomationDelegateTheHostDecides)
{
    AutomatedParameter automated;
    auto& parameter = *automated.parameter;
    EXPECT_EQ (automated.Calls(), std::vector<std::string>{"RegisterParameter gain"});

    parameter.SetNormalizedValue (0.75);

    EXPECT_EQ (automated.LastRequestedValue(), "0.75");
    EXPECT_EQ (automated.Calls(), (std::vector<std::string>{"PostTouchRequest gain", "PostSetValueRequest gain",
                                                            "PostReleaseRequest gain"}));
    EXPECT_DOUBLE_EQ (parameter.GetNormalizedValue(), 0.25); // not applied until the host answers

    parameter.UpdateNormalizedValue (0.75);
    EXPECT_DOUBLE_EQ (parameter.GetNormalizedValue(), 0.75);
    EXPECT_EQ (automated.Calls(), std::vector<std::string>{"PostCurrentValue gain"});

    parameter.UpdateNormalizedValue (0.75); // unchanged: nothing reported
    EXPECT_TRUE (automated.Calls().empty());

    automated.parameter.reset();
    EXPECT_EQ (automated.Calls(), std::vector<std::string>{"UnregisterParameter gain"});
}

TEST (FloatParameter, TaperChangeMakesTheNextUpdateReport)
{
    AutomatedParameter automated;
    auto& parameter = *automated.parameter;

    AAX_CLinearTaperDelegate<float, 0> wider (0.0f, 2.0f);
    parameter.SetTaperDelegate (wider, true);

    // The real value 0.25 stays: requested at its new normalized position.
    EXPECT_EQ (automated.LastRequestedValue(), "0.125");
    EXPECT_EQ (automated.Calls().back(), "PostReleaseRequest gain");

    parameter.UpdateNormalizedValue (0.125); // the same value, still reported once
    EXPECT_EQ (automated.Calls(), std::vector<std::string>{"PostCurrentValue gain"});

    parameter.UpdateNormalizedValue (0.125);
    EXPECT_TRUE (automated.Calls().empty());
}

TEST (FloatParameter, TaperChangeWithoutPreservingKeepsThePosition)
{
    const auto parameter = MakeParameter ("gain", 0.25f);

    AAX_CLinearTaperDelegate<float, 0> wider (0.0f, 4.0f);
    parameter->SetTaperDelegate (wider, false);

    float real = 0.0f;
    parameter->GetValueAsFloat (&real);
    EXPECT_FLOAT_EQ (real, 1.0f);
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.25);
}

TEST (FloatParameter, OnlyFloatConversionsSucceed)
{
    const auto parameter = MakeParameter ("gain", 0.5f);
    double asDouble = 7.0;
    bool asBool = true;
    int32_t asInt = 7;
    double normalized = 7.0;

    EXPECT_FALSE (parameter->GetValueAsDouble (&asDouble));
    EXPECT_FALSE (parameter->GetValueAsBool (&asBool));
    EXPECT_FALSE (parameter->GetValueAsInt32 (&asInt));
    EXPECT_EQ (asDouble, 7.0);
    EXPECT_TRUE (asBool);
    EXPECT_EQ (asInt, 7);

    EXPECT_FALSE (parameter->SetValueWithDouble (0.1));
    EXPECT_FALSE (parameter->SetValueWithBool (false));
    EXPECT_FALSE (parameter->SetValueWithInt32 (0));
    EXPECT_FALSE (parameter->GetNormalizedValueFromDouble (0.1, &normalized));
    EXPECT_FALSE (parameter->GetDoubleFromNormalizedValue (0.1, &asDouble));
    EXPECT_DOUBLE_EQ (parameter->GetNormalizedValue(), 0.5);

    EXPECT_TRUE (parameter->GetNormalizedValueFromFloat (0.3f, &normalized));
    EXPECT_NEAR (normalized, 0.3, 1e-7);

    AAX_CString text;
    EXPECT_TRUE (parameter->GetValueAsString (&text));
    EXPECT_STREQ (text.Get(), "0.500");
    EXPECT_FALSE (parameter->GetValueAsString (nullptr));

    EXPECT_TRUE (parameter->GetStringFromNormalizedValue (1.5, 4, text)); // constrained into range
    EXPECT_STREQ (text.Get(), "1.00");
}

// A value that is not a number never reaches the parameter: its value and default stay, and a host's
// automation delegate is asked for nothing.
TEST (FloatParameter, ValuesThatAreNotNumbersChangeNothing)
{
    const auto nan = std::numeric_limits<double>::quiet_NaN();
    const auto infinity = std::numeric_limits<double>::infinity();

    const auto parameter = MakeParameter ("gain", 0.25f);
    AutomatedParameter automated;
    automated.log.Clear();

    for (auto* target : {parameter.get(), automated.parameter.get()})
    {
        for (const auto value : {nan, infinity, -infinity})
        {
            target->SetNormalizedValue (value);
            target->UpdateNormalizedValue (value);
            target->SetNormalizedDefaultValue (value);
            EXPECT_FALSE (target->SetValueWithFloat (static_cast<float> (value)));
            EXPECT_DOUBLE_EQ (target->GetNormalizedValue(), 0.25) << value;
            EXPECT_DOUBLE_EQ (target->GetNormalizedDefaultValue(), 0.25) << value;
        }
    }

    EXPECT_TRUE (automated.Calls().empty());
}
