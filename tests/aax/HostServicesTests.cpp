#include "AAX_Assert.h"
#include "AAX_CHostServices.h"
#include "AAX_VHostServices.h"
#include "ScopedHostServices.h"
#include "VtableSlots.h"

#include <gtest/gtest.h>

using namespace FakeHost;
using VtableSlots::callSlot;

TEST (HostServices, WithoutWrapperTracesAndAssertionsAreDropped)
{
    ASSERT_EQ (AAX_CHostServices::Get(), nullptr);

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "%s %d", "dropped", 1);
    AAX_ASSERT (1 == 2);

    SUCCEED(); // nothing to call and nothing crashes
}

TEST (HostServices, InterfaceOperationsSitAtTheirPositions)
{
    ServicesHost host (3);
    void* object = static_cast<AAX_IACFHostServices_V3*> (&host.services);

    callSlot<AAX_Result, const char*, int32_t, const char*> (object, 3, "f", 1, "n");
    callSlot<AAX_Result, int32_t, const char*> (object, 4, 7, "trace");
    callSlot<AAX_Result, int32_t, int32_t, const char*> (object, 5, 1, 2, "stack");
    callSlot<AAX_Result, const char*, int32_t, const char*, int32_t> (object, 6, "file", 9, "expr", 1);

    EXPECT_EQ (host.log.Summary ("hostServices"),
               (std::vector<std::string>{"Assert f", "Trace 7", "StackTrace 1", "HandleAssertFailure file"}));
    EXPECT_EQ (host.log.Of ("Trace").at (0).arguments[1], "trace");
    EXPECT_EQ (host.log.Of ("StackTrace").at (0).arguments[2], "stack");
    EXPECT_EQ (host.log.Of ("HandleAssertFailure").at (0).arguments[2], "expr");

    void* created = nullptr;
    EXPECT_EQ ((callSlot<ACFRESULT, const acfUID*, IACFUnknown*, const acfUID*, void**> (
                   static_cast<IACFComponentFactory*> (&host.factory), 3, &AAXCompID_HostServices, nullptr,
                   &IID_IAAXHostServicesV1, &created)),
               ACF_OK);
    EXPECT_EQ (created, static_cast<AAX_IACFHostServices_V3*> (&host.services));
}

TEST (HostServices, TraceReachesPositionFourOfVersionOne)
{
    ServicesHost host (3);
    const ScopedHostServices services (host);
    ASSERT_EQ (services.result, ACF_OK);

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "value %d of %s", 7, "x");

    ASSERT_EQ (host.log.Of ("Trace").size(), 1u);
    EXPECT_EQ (host.log.Of ("Trace")[0].slot, 4);
    EXPECT_EQ (host.log.Of ("Trace")[0].arguments,
               (std::vector<std::string>{std::to_string (0x8000000), "value 7 of x"}));
    EXPECT_TRUE (host.log.Of ("Assert").empty()); // position 3 is never called
}

TEST (HostServices, LongTraceIsCutTo511Characters)
{
    ServicesHost host (1);
    const ScopedHostServices services (host);

    const std::string text (600, 'a');
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "%s", text.c_str());

    ASSERT_EQ (host.log.Of ("Trace").size(), 1u);
    EXPECT_EQ (host.log.Of ("Trace")[0].arguments[1], std::string (511, 'a'));
}

TEST (HostServices, FailedAssertionIsReportedWithFlagsOneAndExecutionGoesOn)
{
    ServicesHost host (3);
    const ScopedHostServices services (host);

    bool reachedNextStatement = false;
    const int expectedLine = __LINE__ + 1;
    AAX_ASSERT (1 + 1 == 3);
    reachedNextStatement = true;

    AAX_ASSERT (2 + 2 == 4); // true: no report

    EXPECT_TRUE (reachedNextStatement);
    const auto reports = host.log.Of ("HandleAssertFailure");
    ASSERT_EQ (reports.size(), 1u);
    EXPECT_EQ (reports[0].arguments[2], "1 + 1 == 3");
    EXPECT_EQ (reports[0].arguments[1], std::to_string (expectedLine));
    EXPECT_EQ (reports[0].arguments[3], "1");
    EXPECT_NE (reports[0].arguments[0].find ("HostServicesTests.cpp"), std::string::npos);
}

TEST (HostServices, HostWithoutVersionThreeDropsAssertionsButTraces)
{
    ServicesHost host (2);
    const ScopedHostServices services (host);

    auto* wrapper = AAX_CHostServices::Get();
    ASSERT_NE (wrapper, nullptr);
    EXPECT_EQ (wrapper->HandleAssertFailure ("f", 1, "e", 1), AAX_ERROR_NULL_OBJECT);

    AAX_ASSERT (false);
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "still traced");

    EXPECT_TRUE (host.log.Of ("HandleAssertFailure").empty());
    EXPECT_EQ (host.log.Of ("Trace").size(), 1u);
}

TEST (HostServices, StackTraceNeedsVersionTwo)
{
    ServicesHost host (1);
    const AAX_VHostServices wrapper (host.context.AsUnknown());
    EXPECT_EQ (wrapper.StackTrace (0, 0, "x"), AAX_ERROR_UNIMPLEMENTED);

    ServicesHost host2 (2);
    const AAX_VHostServices wrapper2 (host2.context.AsUnknown());
    EXPECT_EQ (wrapper2.StackTrace (0, 0, "x"), AAX_SUCCESS);
    EXPECT_EQ (host2.log.Summary ("hostServices"), std::vector<std::string>{"StackTrace 0"});
    EXPECT_EQ (host2.log.Of ("StackTrace").at (0).arguments[2], "x");
}

TEST (HostServices, WrapperAsksForTheThreeVersionsAndReleasesThem)
{
    ServicesHost host (3);
    {
        const AAX_VHostServices wrapper (host.context.AsUnknown());
        std::vector<std::string> created;

        for (const auto& creation : host.log.Of ("CreateComponent"))
            created.push_back (creation.arguments[2]);

        EXPECT_EQ (created, (std::vector<std::string>{Format (IID_IAAXHostServicesV1), Format (IID_IAAXHostServicesV2),
                                                      Format (IID_IAAXHostServicesV3)}));
        EXPECT_EQ (host.services.refCount, 3);
        EXPECT_EQ (host.factory.refCount, 0); // the factory is released after use
    }

    EXPECT_EQ (host.services.refCount, 0);
}

TEST (HostServices, FailedFactoryQueryGivesAWrapperWithoutInterfaces)
{
    ServicesHost host (3);
    host.context.Withdraw (IID_IACFComponentFactory);
    const ScopedHostServices services (host);

    EXPECT_EQ (services.result, ACF_OK);
    ASSERT_NE (AAX_CHostServices::Get(), nullptr);
    EXPECT_EQ (AAX_CHostServices::Get()->Trace (0, "x"), AAX_ERROR_NULL_OBJECT);

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "dropped");
    EXPECT_TRUE (host.log.Of ("Trace").empty());
}

TEST (HostServices, NullFactoryFailsStartupWithoutWrapper)
{
    ServicesHost host (3);
    host.context.Offer (IID_IACFComponentFactory, nullptr);

    EXPECT_THROW (AAX_VHostServices wrapper (host.context.AsUnknown()), int32_t);

    const ScopedHostServices services (host);
    EXPECT_EQ (static_cast<uint32_t> (services.result), 0x8000FFFFu);
    EXPECT_EQ (AAX_CHostServices::Get(), nullptr);
}

TEST (HostServices, SecondStartupKeepsTheWrapperAndShutdownRemovesIt)
{
    ServicesHost host (3);
    ASSERT_EQ (AAX_CHostServices::Set (host.context.AsUnknown()), ACF_OK);
    auto* first = AAX_CHostServices::Get();

    EXPECT_EQ (AAX_CHostServices::Set (host.context.AsUnknown()), ACF_OK);
    EXPECT_EQ (AAX_CHostServices::Get(), first);

    EXPECT_EQ (AAX_CHostServices::Set (nullptr), ACF_OK);
    EXPECT_EQ (AAX_CHostServices::Get(), nullptr);
    EXPECT_EQ (host.services.refCount, 0);
}
