// Loads the built bundle the way a host does (dlopen, then the exported entry functions by name)
// and checks the answers of its seven entry functions.

#include "FakeHost.h"

#include <AAX_Errors.h>
#include <AAX_Enums.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

namespace BundleTests
{
namespace
{
    using namespace FakeHost;

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

    /** A host for the entry functions: host services and a description collection, nothing else. */
    struct BundleHost : ServicesHost
    {
        BundleHost() { factory.Serve (AAXCompID_AAXCollection, collection); }

        IACFUnknown* unknown() { return context.AsUnknown(); }

        /** How often the bundle asked the host's unknown for the component factory. */
        long factoryQueries() const
        {
            const auto queries = log.Of ("QueryInterface", "context");
            return std::count_if (queries.begin(), queries.end(),
                                  [] (const Call& query)
                                  { return query.arguments[0] == Format (IID_IACFComponentFactory); });
        }

        /** The first argument of every call of one operation on the collection, in order. */
        std::vector<std::string> told (const char* operation) const
        {
            std::vector<std::string> arguments;

            for (const auto& call : log.Of (operation, "collection"))
                arguments.push_back (call.arguments[0]);

            return arguments;
        }

        /** A collection that can fail by throwing in mid-description, as a broken host object might. */
        struct FailingCollection : Collection
        {
            using Collection::Collection;

            AAX_Result SetManufacturerName (const char* text) override
            {
                if (failure)
                    failure();

                return Collection::SetManufacturerName (text);
            }

            std::function<void()> failure;
        };

        FailingCollection collection{log, "collection"};
    };

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
            ASSERT_EQ (entry.startup (traceHost.unknown()), ACF_OK);
            traceHost.log.Clear();
        }

        /** The bundle's trace lines since installTraceHost(): priority and text. */
        std::vector<std::vector<std::string>> traces() const
        {
            std::vector<std::vector<std::string>> lines;

            for (const auto& trace : traceHost.log.Of ("Trace"))
                lines.push_back (trace.arguments);

            return lines;
        }

        static inline void* module = nullptr;
        static inline EntryFunctions entry;

        // Hosts outlive TearDown, which releases what the bundle still holds of them.
        BundleHost traceHost;
        BundleHost host;
        BundleHost secondHost;
    };
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

    EXPECT_EQ (entry.getClassFactory (traceHost.unknown(), anyClass, IID_IACFUnknown, &factory),
               AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (factory, nullptr);

    EXPECT_EQ (entry.getClassFactory (nullptr, anyClass, IID_IACFUnknown, nullptr), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (traceHost.context.refCount, 0);
}

TEST_F (BundleEntryFunctions, RegistersNoComponents)
{
    Unknown sentinel (traceHost.log, "sentinel");
    IACFUnknown* definition = sentinel.AsUnknown();

    EXPECT_EQ (entry.registerComponent (traceHost.unknown(), 0, &definition), ACF_OK);
    EXPECT_EQ (definition, nullptr);

    EXPECT_EQ (entry.registerComponent (nullptr, 7, nullptr), ACF_OK);
    EXPECT_EQ (traceHost.context.refCount, 0);
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

    ASSERT_EQ (entry.startup (host.unknown()), ACF_OK);

    EXPECT_EQ (host.factoryQueries(), 1);
    const auto creations = host.log.Of ("CreateComponent");
    ASSERT_EQ (creations.size(), 3u);
    const acfUID expectedVersions[] = {IID_IAAXHostServicesV1, IID_IAAXHostServicesV2, IID_IAAXHostServicesV3};

    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ (creations[i].arguments[0], Format (AAXCompID_HostServices));
        EXPECT_EQ (creations[i].arguments[2], Format (expectedVersions[i]));
    }

    EXPECT_EQ (factory.refCount, 0) << "the factory is released after use";
    EXPECT_EQ (host.services.refCount, 3) << "one reference per version";

    // A second start-up with a host keeps the one wrapper.
    EXPECT_EQ (entry.startup (host.unknown()), ACF_OK);
    EXPECT_EQ (host.factoryQueries(), 1);
    EXPECT_EQ (host.services.refCount, 3);

    // Start-up without a host deletes it.
    EXPECT_EQ (entry.startup (nullptr), ACF_OK);
    EXPECT_EQ (host.services.refCount, 0);

    // ... so that the next start-up with a host creates a new one.
    EXPECT_EQ (entry.startup (host.unknown()), ACF_OK);
    EXPECT_EQ (host.factoryQueries(), 2);
    EXPECT_EQ (host.services.refCount, 3);
}

TEST_F (BundleEntryFunctions, ShutdownReleasesTheHostServicesAndSilencesTraces)
{
    installTraceHost();
    EXPECT_EQ (entry.shutdown (nullptr), ACF_OK);
    EXPECT_EQ (traceHost.services.refCount, 0);

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (nullptr, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE (traces().empty());
}

TEST_F (BundleEntryFunctions, StartupWithANullFactoryFailsAndLeavesNoWrapper)
{
    auto& brokenHost = host;
    brokenHost.context.Offer (IID_IACFComponentFactory, nullptr);

    EXPECT_EQ (entry.startup (brokenHost.unknown()), unexpectedFailure);

    // No wrapper was left behind: the next host gets one.
    EXPECT_EQ (entry.startup (secondHost.unknown()), ACF_OK);
    EXPECT_EQ (secondHost.factoryQueries(), 1);
    EXPECT_EQ (secondHost.services.refCount, 3);
}

TEST_F (BundleEntryFunctions, StartupWithoutAFactoryStillInstallsAnEmptyWrapper)
{
    auto& hostWithoutFactory = host;
    hostWithoutFactory.context.Withdraw (IID_IACFComponentFactory);

    EXPECT_EQ (entry.startup (hostWithoutFactory.unknown()), ACF_OK);
    EXPECT_EQ (hostWithoutFactory.factoryQueries(), 1);

    // The empty wrapper is in place, so another host is not asked.
    EXPECT_EQ (entry.startup (secondHost.unknown()), ACF_OK);
    EXPECT_EQ (secondHost.factoryQueries(), 0);
}

//==============================================================================
TEST_F (BundleEntryFunctions, RegistrationWithoutHostFailsWithNullObject)
{
    installTraceHost();

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (nullptr, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[0][0], std::to_string (checkedResultTracePriority));
    EXPECT_EQ (traces()[0][1], "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ (traces()[1][0], std::to_string (registrationTracePriority));
    EXPECT_EQ (traces()[1][1], "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)");

    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);
}

TEST_F (BundleEntryFunctions, RegistrationWithoutOutPointerDescribesNothing)
{
    installTraceHost();

    EXPECT_EQ (entry.registerPlugin (host.unknown(), nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_TRUE (host.told ("AddEffect").empty());
    EXPECT_EQ (host.collection.refCount, 0);
    EXPECT_EQ (host.context.refCount, 0);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[1][1], "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_ARGUMENT (-20044)");
}

TEST_F (BundleEntryFunctions, RegistrationWithANullFactoryIsAnUnknownException)
{
    installTraceHost();
    auto& brokenHost = host;
    brokenHost.context.Offer (IID_IACFComponentFactory, nullptr);

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (brokenHost.unknown(), &definition), AAX_ERROR_UNKNOWN_EXCEPTION);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (brokenHost.context.refCount, 0) << "the collection's reference on the host context is released";

    ASSERT_EQ (traces().size(), 1u);
    EXPECT_EQ (traces()[0][0], std::to_string (registrationTracePriority));
    EXPECT_EQ (traces()[0][1], "AAXRegisterPlugin exception caught: unknown");
}

TEST_F (BundleEntryFunctions, RegistrationWithoutACollectionFailsWithNullObject)
{
    host.factory.StopMaking (AAXCompID_AAXCollection);

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (host.context.refCount, 0);
    EXPECT_EQ (host.factory.refCount, 0);
}

TEST_F (BundleEntryFunctions, RegistrationDescribesThePlugInAndHandsBackTheDefinition)
{
    installTraceHost();
    auto& collection = host.collection;

    IACFUnknown* definition = nullptr;
    ASSERT_EQ (entry.registerPlugin (host.unknown(), &definition), ACF_OK);

    EXPECT_EQ (definition, collection.definition.AsUnknown());
    EXPECT_EQ (collection.definition.refCount, 1) << "the host receives one reference";

    EXPECT_EQ (host.told ("AddEffect"), std::vector<std::string>{"audio.tavro.vantrel"});
    EXPECT_EQ (host.told ("SetManufacturerName"), std::vector<std::string>{"Tavro Audio"});
    EXPECT_EQ (host.told ("AddPackageName"), (std::vector<std::string>{"Vantrel", "TAVRO Vantrel"}));
    EXPECT_EQ (host.told ("SetPackageVersion"), std::vector<std::string>{std::to_string (0x10005u)});

    // Nothing of the description outlives the call.
    EXPECT_EQ (collection.refCount, 0);
    EXPECT_EQ (host.context.refCount, 0);
    EXPECT_EQ (host.factory.refCount, 0);
    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);
    EXPECT_TRUE (traces().empty());
}

TEST_F (BundleEntryFunctions, CollectionWithoutPluginDefinitionFailsAfterDescribing)
{
    installTraceHost();
    host.collection.Withdraw (IID_IACFPluginDefinition);

    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (host.unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (host.told ("AddEffect").size(), 1u);
    EXPECT_EQ (host.collection.refCount, 0);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[0][0], std::to_string (checkedResultTracePriority));
    EXPECT_EQ (traces()[0][1], "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ (traces()[1][0], std::to_string (registrationTracePriority));
    EXPECT_EQ (traces()[1][1], "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)");
}

TEST_F (BundleEntryFunctions, ExceptionsInMidDescriptionAreCaughtAfterEverythingIsUndone)
{
    installTraceHost();
    auto& collection = host.collection;

    collection.failure = [] { throw std::runtime_error ("the host ran out of room"); };
    IACFUnknown* definition = nullptr;
    EXPECT_EQ (entry.registerPlugin (host.unknown(), &definition), AAX_ERROR_UNKNOWN_EXCEPTION);

    collection.failure = [] { throw 42; };
    EXPECT_EQ (entry.registerPlugin (host.unknown(), &definition), AAX_ERROR_UNKNOWN_EXCEPTION);

    EXPECT_EQ (definition, nullptr) << "the out pointer is written only once the description succeeded";
    EXPECT_EQ (collection.definition.refCount, 0);
    EXPECT_EQ (collection.refCount, 0);
    EXPECT_EQ (host.context.refCount, 0);
    EXPECT_EQ (entry.canUnloadNow (nullptr), 0);

    ASSERT_EQ (traces().size(), 2u);
    EXPECT_EQ (traces()[0][0], std::to_string (registrationTracePriority));
    EXPECT_EQ (traces()[0][1], "AAXRegisterPlugin exception caught: the host ran out of room");
    EXPECT_EQ (traces()[1][0], std::to_string (registrationTracePriority));
    EXPECT_EQ (traces()[1][1], "AAXRegisterPlugin exception caught: unknown");

    // The bundle is still fine afterwards.
    collection.failure = nullptr;
    EXPECT_EQ (entry.registerPlugin (host.unknown(), &definition), ACF_OK);
    EXPECT_EQ (definition, collection.definition.AsUnknown());
}
} // namespace BundleTests
