// Loads the built bundle the way a host does (dlopen, then the exported entry functions by name)
// and checks the answers of its seven entry functions.

#include "FakeHost.h"

#include <AAX_Errors.h>
#include <AAX_Enums.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace BundleTests
{
namespace
{
    constexpr ACFRESULT unexpectedFailure = static_cast<ACFRESULT> (0x8000FFFFu);
    constexpr int32_t checkedResultTracePriority = 0x4000000;
    constexpr int32_t registrationTracePriority = 0x8000000;

    /** The entry functions as the host declares them. */
    struct EntryFunctions
    {
        using RegisterPlugin = ACFRESULT (*) (IACFUnknown*, IACFUnknown**);
        using RegisterComponent = ACFRESULT (*) (IACFUnknown*, acfUInt32, IACFUnknown**);
        using GetClassFactory = ACFRESULT (*) (IACFUnknown*, const acfUID&, const acfUID&, void**);
        using CanUnloadNow = ACFRESULT (*) (IACFUnknown*);
        using Startup = ACFRESULT (*) (IACFUnknown*);
        using Shutdown = ACFRESULT (*) (IACFUnknown*);
        using GetSDKVersion = ACFRESULT (*) (uint64_t*);

        RegisterPlugin registerPlugin = nullptr;
        RegisterComponent registerComponent = nullptr;
        GetClassFactory getClassFactory = nullptr;
        CanUnloadNow canUnloadNow = nullptr;
        Startup startup = nullptr;
        Shutdown shutdown = nullptr;
        GetSDKVersion getSDKVersion = nullptr;
    };

    template <typename Function>
    void lookUp (void* module, const char* name, Function& function)
    {
        function = reinterpret_cast<Function> (dlsym (module, name));
        ASSERT_NE (function, nullptr) << name << " is not exported";
    }

    /** The bundle stays loaded for the whole test program, as in a host that keeps plug-ins resident. */
    class BundleEntryFunctions : public ::testing::Test
    {
    protected:
        static void SetUpTestSuite()
        {
            module = dlopen (VANTREL_AAX_BUNDLE_BINARY, RTLD_NOW | RTLD_LOCAL);
            ASSERT_NE (module, nullptr) << dlerror();

            lookUp (module, "ACFRegisterPlugin", entry.registerPlugin);
            lookUp (module, "ACFRegisterComponent", entry.registerComponent);
            lookUp (module, "ACFGetClassFactory", entry.getClassFactory);
            lookUp (module, "ACFCanUnloadNow", entry.canUnloadNow);
            lookUp (module, "ACFStartup", entry.startup);
            lookUp (module, "ACFShutdown", entry.shutdown);
            lookUp (module, "ACFGetSDKVersion", entry.getSDKVersion);
        }

        void SetUp() override { ASSERT_NE (module, nullptr); }

        // Every test leaves the bundle without host services, whatever it did.
        void TearDown() override { entry.shutdown (nullptr); }

        /** Installs host services that record the bundle's trace output. */
        void installTraceHost()
        {
            ASSERT_EQ (entry.startup (&traceHost), ACF_OK);
            traceHost.factory.hostServices.traces.clear();
        }

        const std::vector<FakeHostServices::TraceLine>& traces() const { return traceHost.factory.hostServices.traces; }

        static inline void* module = nullptr;
        static inline EntryFunctions entry;

        // Hosts outlive TearDown, which releases what the bundle still holds of them.
        FakeHost traceHost;
        FakeHost host;
        FakeHost secondHost;
    };

    std::string nameOf (const acfUID& id)
    {
        if (id == IID_IAAXHostServicesV1)
            return "IID_IAAXHostServicesV1";
        if (id == IID_IAAXHostServicesV2)
            return "IID_IAAXHostServicesV2";
        if (id == IID_IAAXHostServicesV3)
            return "IID_IAAXHostServicesV3";
        if (id == AAXCompID_HostServices)
            return "AAXCompID_HostServices";
        if (id == AAXCompID_AAXCollection)
            return "AAXCompID_AAXCollection";
        if (id == IID_IAAXCollectionV1)
            return "IID_IAAXCollectionV1";
        return "another identifier";
    }
} // namespace

//==============================================================================
TEST_F (BundleEntryFunctions, ExportsOnlyTheSevenEntryFunctions)
{
    // The build checks the dynamic symbol table; here the library's own names must not resolve.
    EXPECT_EQ (dlsym (module, "_Z21GetEffectDescriptionsP15AAX_ICollection"), nullptr);
    EXPECT_EQ (dlsym (module, "createPluginFilter"), nullptr);
}

TEST_F (BundleEntryFunctions, SDKVersionIsTheFixedValue)
{
    uint64_t version = 0;
    EXPECT_EQ (entry.getSDKVersion (&version), ACF_OK);
    EXPECT_EQ (version, 0x20501344DC8ull);

    EXPECT_EQ (entry.getSDKVersion (nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST_F (BundleEntryFunctions, NothingIsAliveBeforeTheHostCreatesObjects)
{
    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);

    installTraceHost();
    EXPECT_EQ (entry.canUnloadNow (nullptr), 0) << "host services are not reference-counted objects of the bundle";
}

TEST_F (BundleEntryFunctions, OffersNoClassFactory)
{
    int sentinel = 0;
    void* factory = &sentinel;
    const acfUID anyClass = IID_IACFUnknown;

    EXPECT_EQ (entry.getClassFactory (&traceHost, anyClass, IID_IACFUnknown, &factory), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (factory, nullptr);

    EXPECT_EQ (entry.getClassFactory (nullptr, anyClass, IID_IACFUnknown, nullptr), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (traceHost.references, 0);
}

TEST_F (BundleEntryFunctions, RegistersNoComponents)
{
    FakePluginDefinition sentinel;
    IACFUnknown* definition = &sentinel;

    EXPECT_EQ (entry.registerComponent (&traceHost, 0, &definition), ACF_OK);
    EXPECT_EQ (definition, nullptr);

    EXPECT_EQ (entry.registerComponent (nullptr, 7, nullptr), ACF_OK);
    EXPECT_EQ (traceHost.references, 0);
}

//==============================================================================
TEST_F (BundleEntryFunctions, StartupAndShutdownWithoutHostSucceed)
{
    EXPECT_EQ (entry.shutdown (nullptr), ACF_OK);
    EXPECT_EQ (entry.startup (nullptr), ACF_OK);
    EXPECT_EQ (entry.shutdown (nullptr), ACF_OK);
    EXPECT_EQ (entry.shutdown (nullptr), ACF_OK);
}

TEST_F (BundleEntryFunctions, StartupObtainsTheThreeHostServiceVersionsOnce)
{
    auto& factory = host.factory;

    ASSERT_EQ (entry.startup (&host), ACF_OK);

    EXPECT_EQ (host.factoryQueries, 1);
    ASSERT_EQ (factory.creations.size(), 3u);
    const acfUID expectedVersions[] = {IID_IAAXHostServicesV1, IID_IAAXHostServicesV2, IID_IAAXHostServicesV3};

    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ (nameOf (factory.creations[i].classID), "AAXCompID_HostServices");
        EXPECT_EQ (nameOf (factory.creations[i].interfaceID), nameOf (expectedVersions[i]));
    }

    EXPECT_EQ (factory.references, 0) << "the factory is released after use";
    EXPECT_EQ (factory.hostServices.references, 3) << "one reference per version";

    // A second start-up with a host keeps the one wrapper.
    EXPECT_EQ (entry.startup (&host), ACF_OK);
    EXPECT_EQ (host.factoryQueries, 1);
    EXPECT_EQ (factory.hostServices.references, 3);

    // Start-up without a host deletes it.
    EXPECT_EQ (entry.startup (nullptr), ACF_OK);
    EXPECT_EQ (factory.hostServices.references, 0);

    // ... so that the next start-up with a host creates a new one.
    EXPECT_EQ (entry.startup (&host), ACF_OK);
    EXPECT_EQ (host.factoryQueries, 2);
    EXPECT_EQ (factory.hostServices.references, 3);
}

TEST_F (BundleEntryFunctions, ShutdownReleasesTheHostServicesAndSilencesTraces)
{
    installTraceHost();
    EXPECT_EQ (entry.shutdown (nullptr), ACF_OK);
    EXPECT_EQ (traceHost.factory.hostServices.references, 0);

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (nullptr, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE (traces().empty());
}

TEST_F (BundleEntryFunctions, StartupWithANullFactoryFailsAndLeavesNoWrapper)
{
    auto& brokenHost = host;
    brokenHost.factoryAnswer = FakeHost::FactoryAnswer::successWithNull;

    EXPECT_EQ (entry.startup (&brokenHost), unexpectedFailure);

    // No wrapper was left behind: the next host gets one.
    EXPECT_EQ (entry.startup (&secondHost), ACF_OK);
    EXPECT_EQ (secondHost.factoryQueries, 1);
    EXPECT_EQ (secondHost.factory.hostServices.references, 3);
}

TEST_F (BundleEntryFunctions, StartupWithoutAFactoryStillInstallsAnEmptyWrapper)
{
    auto& hostWithoutFactory = host;
    hostWithoutFactory.factoryAnswer = FakeHost::FactoryAnswer::noInterface;

    EXPECT_EQ (entry.startup (&hostWithoutFactory), ACF_OK);
    EXPECT_EQ (hostWithoutFactory.factoryQueries, 1);

    // The empty wrapper is in place, so another host is not asked.
    EXPECT_EQ (entry.startup (&secondHost), ACF_OK);
    EXPECT_EQ (secondHost.factoryQueries, 0);
}

//==============================================================================
TEST_F (BundleEntryFunctions, RegistrationWithoutHostFailsWithNullObject)
{
    installTraceHost();

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (nullptr, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[0].priority, checkedResultTracePriority);
    EXPECT_EQ (traces()[0].message, "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ (traces()[1].priority, registrationTracePriority);
    EXPECT_EQ (traces()[1].message, "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)");

    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);
}

TEST_F (BundleEntryFunctions, RegistrationWithoutOutPointerDescribesNothing)
{
    installTraceHost();

    EXPECT_EQ (entry.registerPlugin (&host, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_TRUE (host.factory.collection.effectIDs.empty());
    EXPECT_EQ (host.factory.collection.references, 0);
    EXPECT_EQ (host.references, 0);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[1].message, "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_ARGUMENT (-20044)");
}

TEST_F (BundleEntryFunctions, RegistrationWithANullFactoryIsAnUnknownException)
{
    installTraceHost();
    auto& brokenHost = host;
    brokenHost.factoryAnswer = FakeHost::FactoryAnswer::successWithNull;

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (&brokenHost, &definition), AAX_ERROR_UNKNOWN_EXCEPTION);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (brokenHost.references, 0) << "the collection's reference on the host context is released";

    ASSERT_EQ (traces().size(), 1u);
    EXPECT_EQ (traces()[0].priority, registrationTracePriority);
    EXPECT_EQ (traces()[0].message, "AAXRegisterPlugin exception caught: unknown");
}

TEST_F (BundleEntryFunctions, RegistrationWithoutACollectionFailsWithNullObject)
{
    host.factory.offersCollection = false;

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (&host, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (host.references, 0);
    EXPECT_EQ (host.factory.references, 0);
}

TEST_F (BundleEntryFunctions, RegistrationDescribesThePlugInAndHandsBackTheDefinition)
{
    installTraceHost();
    auto& collection = host.factory.collection;

    IACFUnknown* definition = nullptr;
    ASSERT_EQ (entry.registerPlugin (&host, &definition), ACF_OK);

    EXPECT_EQ (definition, static_cast<IACFUnknown*> (&collection.definition));
    EXPECT_EQ (collection.definition.references, 1) << "the host receives one reference";

    ASSERT_EQ (collection.effectIDs.size(), 1u);
    EXPECT_EQ (collection.effectIDs[0], "audio.tavro.vantrel");
    EXPECT_EQ (collection.manufacturerName, "Tavro Audio");
    EXPECT_EQ (collection.packageNames, (std::vector<std::string>{"Vantrel", "TAVRO Vantrel"}));
    EXPECT_EQ (collection.packageVersion, 0x10005u);

    // Nothing of the description outlives the call.
    EXPECT_EQ (collection.references, 0);
    EXPECT_EQ (host.references, 0);
    EXPECT_EQ (host.factory.references, 0);
    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);
    EXPECT_TRUE (traces().empty());
}

TEST_F (BundleEntryFunctions, CollectionWithoutPluginDefinitionFailsAfterDescribing)
{
    installTraceHost();
    host.factory.collection.offersPluginDefinition = false;

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (&host, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (host.factory.collection.effectIDs.size(), 1u);
    EXPECT_EQ (host.factory.collection.references, 0);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[0].priority, checkedResultTracePriority);
    EXPECT_EQ (traces()[0].message, "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ (traces()[1].priority, registrationTracePriority);
    EXPECT_EQ (traces()[1].message, "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)");
}

TEST_F (BundleEntryFunctions, ExceptionsInMidDescriptionAreCaughtAfterEverythingIsUndone)
{
    installTraceHost();
    auto& collection = host.factory.collection;

    collection.failure = [] { throw std::runtime_error ("the host ran out of room"); };
    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (&host, &definition), AAX_ERROR_UNKNOWN_EXCEPTION);

    collection.failure = [] { throw 42; };
    EXPECT_EQ (entry.registerPlugin (&host, &definition), AAX_ERROR_UNKNOWN_EXCEPTION);

    EXPECT_EQ (definition, nullptr) << "the out pointer is written only once the description succeeded";
    EXPECT_EQ (collection.definition.references, 0);
    EXPECT_EQ (collection.references, 0);
    EXPECT_EQ (host.references, 0);
    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[0].priority, registrationTracePriority);
    EXPECT_EQ (traces()[0].message, "AAXRegisterPlugin exception caught: the host ran out of room");
    EXPECT_EQ (traces()[1].priority, registrationTracePriority);
    EXPECT_EQ (traces()[1].message, "AAXRegisterPlugin exception caught: unknown");

    // The bundle is still fine afterwards.
    collection.failure = nullptr;
    EXPECT_EQ (entry.registerPlugin (&host, &definition), ACF_OK);
    EXPECT_EQ (definition, static_cast<IACFUnknown*> (&collection.definition));
}
} // namespace BundleTests
