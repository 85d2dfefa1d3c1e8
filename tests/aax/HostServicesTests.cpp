#include "AAX_Assert.h"
#include "AAX_CHostServices.h"
#include "AAX_VHostServices.h"
#include "FakeHost.h"

#include <gtest/gtest.h>

using aaxtest::FakeServicesHost;
using aaxtest::ScopedHostServices;

TEST (HostServices, WithoutWrapperTracesAndAssertionsAreDropped)
{
    ASSERT_EQ (AAX_CHostServices::Get(), nullptr);

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "%s %d", "dropped", 1);
    AAX_ASSERT (1 == 2);

    SUCCEED(); // nothing to call and nothing crashes
}

namespace
{
/** The function at a position of an object's table, called as the host's side would. */
template <typename Result, typename... Args>
Result CallSlot (void* object, size_t position, Args... args)
{
    auto* const* table = *static_cast<void* const* const*> (object);
    using Function = Result (*) (void*, Args...);
    return reinterpret_cast<Function> (table[position]) (object, args...);
}
}

TEST (HostServices, InterfaceOperationsSitAtTheirPositions)
{
    aaxtest::RecordingHostServices services (3);
    void* object = static_cast<AAX_IACFHostServices_V3*> (&services);

    CallSlot<AAX_Result, const char*, int32_t, const char*> (object, 3, "f", 1, "n");
    CallSlot<AAX_Result, int32_t, const char*> (object, 4, 7, "trace");
    CallSlot<AAX_Result, int32_t, int32_t, const char*> (object, 5, 1, 2, "stack");
    CallSlot<AAX_Result, const char*, int32_t, const char*, int32_t> (object, 6, "file", 9, "expr", 1);

    EXPECT_EQ (services.calls, std::vector<std::string>{"Assert"});
    ASSERT_EQ (services.traces.size(), 1u);
    EXPECT_EQ (services.traces[0].message, "trace");
    EXPECT_EQ (services.stackTraces, std::vector<std::string>{"stack"});
    ASSERT_EQ (services.assertions.size(), 1u);
    EXPECT_EQ (services.assertions[0].expression, "expr");

    FakeServicesHost host (3);
    void* created = nullptr;
    EXPECT_EQ ((CallSlot<ACFRESULT, const acfUID*, IACFUnknown*, const acfUID*, void**> (
                   static_cast<IACFComponentFactory*> (&host.factory), 3, &AAXCompID_HostServices, nullptr,
                   &IID_IAAXHostServicesV1, &created)),
               ACF_OK);
    EXPECT_EQ (created, static_cast<AAX_IACFHostServices_V3*> (&host.services));
}

TEST (HostServices, TraceReachesPositionFourOfVersionOne)
{
    FakeServicesHost host (3);
    const ScopedHostServices services (&host);
    ASSERT_EQ (services.result, ACF_OK);

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "value %d of %s", 7, "x");

    ASSERT_EQ (host.services.traces.size(), 1u);
    EXPECT_EQ (host.services.traces[0].priority, 0x8000000);
    EXPECT_EQ (host.services.traces[0].message, "value 7 of x");
    EXPECT_TRUE (host.services.calls.empty()); // position 3 is never called
}

TEST (HostServices, LongTraceIsCutTo511Characters)
{
    FakeServicesHost host (1);
    const ScopedHostServices services (&host);

    const std::string text (600, 'a');
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "%s", text.c_str());

    ASSERT_EQ (host.services.traces.size(), 1u);
    EXPECT_EQ (host.services.traces[0].message, std::string (511, 'a'));
}

TEST (HostServices, FailedAssertionIsReportedWithFlagsOneAndExecutionGoesOn)
{
    FakeServicesHost host (3);
    const ScopedHostServices services (&host);

    bool reachedNextStatement = false;
    const int expectedLine = __LINE__ + 1;
    AAX_ASSERT (1 + 1 == 3);
    reachedNextStatement = true;

    AAX_ASSERT (2 + 2 == 4); // true: no report

    EXPECT_TRUE (reachedNextStatement);
    ASSERT_EQ (host.services.assertions.size(), 1u);
    EXPECT_EQ (host.services.assertions[0].expression, "1 + 1 == 3");
    EXPECT_EQ (host.services.assertions[0].line, expectedLine);
    EXPECT_EQ (host.services.assertions[0].flags, 1);
    EXPECT_NE (host.services.assertions[0].file.find ("HostServicesTests.cpp"), std::string::npos);
}

TEST (HostServices, HostWithoutVersionThreeDropsAssertionsButTraces)
{
    FakeServicesHost host (2);
    const ScopedHostServices services (&host);

    auto* wrapper = AAX_CHostServices::Get();
    ASSERT_NE (wrapper, nullptr);
    EXPECT_EQ (wrapper->HandleAssertFailure ("f", 1, "e", 1), AAX_ERROR_NULL_OBJECT);

    AAX_ASSERT (false);
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "still traced");

    EXPECT_TRUE (host.services.assertions.empty());
    EXPECT_EQ (host.services.traces.size(), 1u);
}

TEST (HostServices, StackTraceNeedsVersionTwo)
{
    FakeServicesHost host (1);
    const AAX_VHostServices wrapper (&host);
    EXPECT_EQ (wrapper.StackTrace (0, 0, "x"), AAX_ERROR_UNIMPLEMENTED);

    FakeServicesHost host2 (2);
    const AAX_VHostServices wrapper2 (&host2);
    EXPECT_EQ (wrapper2.StackTrace (0, 0, "x"), AAX_SUCCESS);
    EXPECT_EQ (host2.services.stackTraces, std::vector<std::string>{"x"});
}

TEST (HostServices, WrapperAsksForTheThreeVersionsAndReleasesThem)
{
    FakeServicesHost host (3);
    {
        const AAX_VHostServices wrapper (&host);
        EXPECT_EQ (host.factory.createdVersions, (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ (host.services.refCount, 3);
        EXPECT_EQ (host.factory.refCount, 0); // the factory is released after use
    }

    EXPECT_EQ (host.services.refCount, 0);
}

TEST (HostServices, FailedFactoryQueryGivesAWrapperWithoutInterfaces)
{
    FakeServicesHost host (3, FakeServicesHost::FactoryAnswer::fails);
    const ScopedHostServices services (&host);

    EXPECT_EQ (services.result, ACF_OK);
    ASSERT_NE (AAX_CHostServices::Get(), nullptr);
    EXPECT_EQ (AAX_CHostServices::Get()->Trace (0, "x"), AAX_ERROR_NULL_OBJECT);

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "dropped");
    EXPECT_TRUE (host.services.traces.empty());
}

TEST (HostServices, NullFactoryFailsStartupWithoutWrapper)
{
    FakeServicesHost host (3, FakeServicesHost::FactoryAnswer::succeedsWithNull);

    EXPECT_THROW (AAX_VHostServices wrapper (&host), int32_t);

    const ScopedHostServices services (&host);
    EXPECT_EQ (static_cast<uint32_t> (services.result), 0x8000FFFFu);
    EXPECT_EQ (AAX_CHostServices::Get(), nullptr);
}

TEST (HostServices, SecondStartupKeepsTheWrapperAndShutdownRemovesIt)
{
    FakeServicesHost host (3);
    ASSERT_EQ (AAX_CHostServices::Set (&host), ACF_OK);
    auto* first = AAX_CHostServices::Get();

    EXPECT_EQ (AAX_CHostServices::Set (&host), ACF_OK);
    EXPECT_EQ (AAX_CHostServices::Get(), first);

    EXPECT_EQ (AAX_CHostServices::Set (nullptr), ACF_OK);
    EXPECT_EQ (AAX_CHostServices::Get(), nullptr);
    EXPECT_EQ (host.services.refCount, 0);
}
