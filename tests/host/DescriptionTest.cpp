// What a host reads from the bundle when it registers it, and how the registration copes with other hosts.

#include "HostTestHelpers.h"

#include <AAX_Errors.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace aaxhost;
using namespace hosttest;

namespace
{
constexpr uint32_t code (const char (&text)[5])
{
    return ((uint32_t)(uint8_t)text[0] << 24) | ((uint32_t)(uint8_t)text[1] << 16) | ((uint32_t)(uint8_t)text[2] << 8) |
           (uint32_t)(uint8_t)text[3];
}

std::vector<int32_t> inputFormatsOf (const Host& host)
{
    std::vector<int32_t> formats;

    for (auto& component : host.getDescription().effects.at (0).components)
        formats.push_back (component.getInputStemFormat());

    return formats;
}
}

TEST (Description, NamesTheEffectItsCategoryPackageAndVersion)
{
    const auto host = makeRegisteredHost();
    const auto& description = host->getDescription();

    EXPECT_EQ (description.manufacturerName, "Tavro Audio");
    EXPECT_EQ (description.packageNames, (std::vector<std::string>{"Vantrel", "TAVRO Vantrel"}));
    EXPECT_EQ (description.packageVersion, 0x10005u);

    ASSERT_EQ (description.effects.size(), 1u);
    const auto& effect = description.effects[0];
    EXPECT_EQ (effect.effectID, "audio.tavro.vantrel");
    EXPECT_EQ (effect.names, (std::vector<std::string>{"TAVRO Vantrel"}));
    EXPECT_EQ (effect.categories, (std::vector<uint32_t>{0}));
    EXPECT_TRUE (effect.meters.empty());

    // The GUI factory first, under 1, then the data-model factory, under 0.
    ASSERT_EQ (effect.procedures.size(), 2u);
    EXPECT_EQ (effect.procedures[0].first, 1);
    EXPECT_EQ (effect.procedures[1].first, 0);
    EXPECT_NE (effect.procedures[0].second, nullptr);
    EXPECT_NE (effect.procedures[1].second, nullptr);
    EXPECT_NE (effect.procedures[0].second, effect.procedures[1].second);
}

TEST (Description, OffersExactlyTheMonoAndTheStereoComponent)
{
    const auto host = makeRegisteredHost();
    EXPECT_EQ (inputFormatsOf (*host), (std::vector<int32_t>{mono, stereo}));

    for (auto& component : host->getDescription().effects[0].components)
    {
        EXPECT_EQ (component.getOutputStemFormat(), component.getInputStemFormat());
        EXPECT_EQ (component.processProcedures.size(), 1u);
        EXPECT_NE (component.processProcedures[0].nativeProcess, nullptr);
        EXPECT_EQ (component.processProcedures[0].instanceInit, nullptr);
        EXPECT_EQ (component.processProcedures[0].background, nullptr);
    }
}

TEST (Description, EachComponentHasTheEightFieldAlgorithmContext)
{
    const auto host = makeRegisteredHost();

    for (auto& component : host->getDescription().effects[0].components)
    {
        ASSERT_EQ (component.fields.size(), 8u);

        const std::vector<std::tuple<int32_t, FieldKind, uint32_t>> expected{
            {0, FieldKind::audioIn, 0},     {1, FieldKind::audioOut, 0},    {2, FieldKind::audioBufferLength, 0},
            {3, FieldKind::dataInPort, 4},  {4, FieldKind::privateData, 8}, {5, FieldKind::privateData, 4},
            {6, FieldKind::privateData, 8}, {7, FieldKind::privateData, 8}};

        for (size_t i = 0; i < expected.size(); ++i)
        {
            SCOPED_TRACE ("field " + std::to_string (i));
            EXPECT_EQ (component.fields[i].index, std::get<0> (expected[i]));
            EXPECT_EQ (component.fields[i].kind, std::get<1> (expected[i]));
            EXPECT_EQ (component.fields[i].size, std::get<2> (expected[i]));
        }

        EXPECT_EQ (component.fields[3].option, 1); // buffered port: the master bypass packet
        for (size_t i = 4; i < 8; ++i)
            EXPECT_EQ (component.fields[i].option, 0);
    }
}

TEST (Description, PropertiesOfEachComponentInOrder)
{
    const auto host = makeRegisteredHost();
    const auto& components = host->getDescription().effects[0].components;
    ASSERT_EQ (components.size(), 2u);

    const auto expectedFor = [] (int32_t format, uint32_t native, uint32_t audioSuite)
    {
        return std::vector<std::pair<int32_t, int32_t>>{
            {11, (int32_t)code ("Manu")}, {12, (int32_t)code ("Lguc")}, {60, 1},  {51, format}, {52, format},
            {13, (int32_t)native},        {14, (int32_t)audioSuite},    {304, 1}, {309, 1}};
    };

    EXPECT_EQ (components[0].getProperties()->values, expectedFor (mono, code ("jcbb"), code ("jybb")));
    EXPECT_EQ (components[1].getProperties()->values, expectedFor (stereo, code ("jccc"), code ("jycc")));

    // The identifiers follow the rule base + (input position * 256) + output position.
    EXPECT_EQ (code ("jcbb"), 0x6A796161u - 0x160000u + 0x101u);
    EXPECT_EQ (code ("jycc"), 0x6A796161u + 0x202u);
}

TEST (Description, AHostAcceptingEveryFormatStillGetsOnlyMonoAndStereo)
{
    HostOptions options;
    options.defaultStemFormatAnswer = AAX_eSupportLevel_Supported;
    const auto host = makeRegisteredHost (options);
    EXPECT_EQ (inputFormatsOf (*host), (std::vector<int32_t>{mono, stereo}));
}

TEST (Description, AHostRejectingStereoGetsOnlyMono)
{
    HostOptions options;
    options.stemFormatSupportLevel = AAX_eSupportLevel_ByProperty;
    options.stemFormatAnswers[stereo] = AAX_eSupportLevel_Unsupported; // value 1
    const auto host = makeRegisteredHost (options);
    EXPECT_EQ (inputFormatsOf (*host), (std::vector<int32_t>{mono}));
}

TEST (Description, FormatsAreJudgedByTheirIndexWithoutPerFormatAnswers)
{
    // Level 4 but no property for stereo, a level other than 4, and no feature information at all: every
    // way falls back to accepting formats up to index 12, so both components come.
    for (auto change : {0, 1, 2})
    {
        SCOPED_TRACE (change);
        HostOptions options;

        if (change == 0)
            options.stemFormatAnswers[stereo] = std::nullopt;
        else if (change == 1)
            options.stemFormatSupportLevel = AAX_eSupportLevel_Supported;
        else
            options.stemFormatSupportLevel = std::nullopt;

        const auto host = makeRegisteredHost (options);
        EXPECT_EQ (inputFormatsOf (*host), (std::vector<int32_t>{mono, stereo}));
    }
}

TEST (Description, WithoutDescriptionHostBothComponentsAreDescribed)
{
    HostOptions options;
    options.offerDescriptionHost = false;
    const auto host = makeRegisteredHost (options);
    EXPECT_EQ (inputFormatsOf (*host), (std::vector<int32_t>{mono, stereo}));
}

TEST (Registration, ACollectionWithoutPluginDefinitionIsTracedTwiceAndFails)
{
    HostOptions options;
    options.collectionOffersPluginDefinition = false;
    Host host (bundlePath(), options);

    EXPECT_EQ (host.tryRegisterPlugin(), AAX_ERROR_NULL_OBJECT);

    const auto traces = host.getDiagnostics().getTraces();
    ASSERT_EQ (traces.size(), 2u);
    EXPECT_EQ (traces[0].priority, 0x4000000);
    EXPECT_EQ (traces[0].message, "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ (traces[1].priority, 0x8000000);
    EXPECT_EQ (traces[1].message, "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)");
}

TEST (Registration, AFactoryQueryAnsweredWithNullFailsWithUnknownException)
{
    HostOptions options;
    options.registrationFactory = FactoryAnswer::successWithNull;
    Host host (bundlePath(), options);
    ASSERT_EQ (host.getStartupResult(), 0);

    EXPECT_EQ (host.tryRegisterPlugin(), AAX_ERROR_UNKNOWN_EXCEPTION);

    const auto traces = host.getDiagnostics().getTraces();
    ASSERT_EQ (traces.size(), 1u);
    EXPECT_EQ (traces[0].message, "AAXRegisterPlugin exception caught: unknown");
    EXPECT_EQ (traces[0].priority, 0x8000000);
}

TEST (Registration, WithoutHostServicesFailuresAreSilent)
{
    HostOptions options;
    options.hostServicesVersions = 0;
    options.collectionOffersPluginDefinition = false;
    Host host (bundlePath(), options);

    EXPECT_EQ (host.tryRegisterPlugin(), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE (host.getDiagnostics().getTraces().empty());
}

TEST (Registration, ASuccessfulRegistrationTracesNothingAndLeavesNoObjects)
{
    const auto host = makeRegisteredHost();
    EXPECT_TRUE (host->getDiagnostics().getTraces().empty());
    EXPECT_TRUE (host->getDiagnostics().getAssertions().empty());
    EXPECT_EQ (host->canUnloadNow(), 0);
}

TEST (EntryFunctions, TheOtherExportsGiveTheirFixedAnswers)
{
    Host host (bundlePath());
    const auto& module = host.getModule();

    uint64_t version = 0;
    EXPECT_EQ (module.getSDKVersion (&version), 0);
    EXPECT_EQ (version, 0x20501344DC8ull);

    void* factory = &version;
    EXPECT_EQ (module.getClassFactory (host.getHostUnknown(), IID_IACFUnknown, IID_IACFUnknown, &factory),
               AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (factory, nullptr);

    IACFUnknown* componentDefinition = host.getHostUnknown();
    EXPECT_EQ (module.registerComponent (host.getHostUnknown(), 0, &componentDefinition), 0);
    EXPECT_EQ (componentDefinition, nullptr);

    EXPECT_EQ (module.canUnloadNow (nullptr), 0);
}

TEST (EntryFunctions, LiveObjectsKeepTheModuleFromUnloading)
{
    const auto host = makeRegisteredHost();

    {
        auto instance = makeInstance (*host);
        EXPECT_GT (host->canUnloadNow(), 0);
    }

    EXPECT_EQ (host->canUnloadNow(), 0);
    EXPECT_EQ (host->shutdown(), 0);
    EXPECT_EQ (host->canUnloadNow(), 0);
}

TEST (Description, JuceAsksTheHostAboutTheEighteenFormatsOfItsTable)
{
    const auto host = makeRegisteredHost();

    std::set<int32_t> asked;
    const std::string prefix = "PropertyMap.GetProperty ";

    for (auto& call : host->getDiagnostics().getCalls())
        if (call.rfind (prefix, 0) == 0)
            asked.insert (std::stoi (call.substr (prefix.size())));

    // JUCE 7.0.5 lists 18 formats; first-order ambisonics is asked under the second-order key.
    const std::set<int32_t> expected{0x00001, 0x10002, 0x20003, 0x30004, 0x40004,  0x50005, 0x60006,  0x70006, 0x80007,
                                     0x90007, 0xA0008, 0xB0007, 0xC0008, 0x140009, 0xD000A, 0x120009, 0x130010};
    EXPECT_EQ (asked, expected);
}

TEST (Description, JuceAddsTheSideChainPlaceAfterTheComponentsProperties)
{
    const auto host = makeRegisteredHost();
    const auto calls = host->getDiagnostics().getCalls();

    const auto positionOf = [&] (const std::string& call)
    { return std::find (calls.begin(), calls.end(), call) - calls.begin(); };

    // Fields 0 to 6 come before the property map is filled, field 7 only after property 309.
    EXPECT_LT (positionOf ("ComponentDescriptor.Add private data 6"),
               positionOf ("PropertyMap.AddProperty 11 1298230901"));
    EXPECT_LT (positionOf ("PropertyMap.AddProperty 309 1"), positionOf ("ComponentDescriptor.Add private data 7"));
    EXPECT_LT (positionOf ("ComponentDescriptor.Add private data 7"),
               positionOf ("ComponentDescriptor.AddProcessProc_Native"));
    EXPECT_LT (positionOf ("ComponentDescriptor.AddProcessProc_Native"), (std::ptrdiff_t)calls.size());
}
