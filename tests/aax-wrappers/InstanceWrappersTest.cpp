// The wrappers of the host's per-instance interfaces: controller, page table, transport, view container and
// automation delegate.
#include "AAX_CString.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace FakeHost;

namespace
{
constexpr uint32_t kTableType = 0x5067544C; // 'PgTL'

std::vector<std::string> Strings (std::initializer_list<std::string> texts)
{
    return texts;
}
}

//==============================================================================
TEST (ControllerWrapper, OnlyVersion1)
{
    CallLog log;
    Controller host (log, "controller", 1, 0);
    AAX_VController controller (host.AsUnknown());
    log.Clear();

    float sampleRate = 0.0f;
    EXPECT_EQ (controller.GetSampleRate (&sampleRate), AAX_SUCCESS);
    EXPECT_EQ (sampleRate, 48000.0f);
    EXPECT_EQ (log.Of ("GetSampleRate").at (0).slot, 4);

    EXPECT_EQ (controller.SendNotification (0x41535076), AAX_ERROR_UNIMPLEMENTED);
    AAX_CBoolean isAudioSuite = 7;
    EXPECT_EQ (controller.GetIsAudioSuite (&isAudioSuite), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (isAudioSuite, 7);

    int64_t timestamp = 12345;
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (&timestamp), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (timestamp, 0);

    EXPECT_EQ (log.Operations(), Strings ({"controller.GetSampleRate"}));
}

TEST (ControllerWrapper, ForwardsToTheSlotOfEachVersion)
{
    CallLog log;
    Controller host (log, "controller", 3, 0);
    AAX_VController controller (host.AsUnknown());
    log.Clear();
    const char payload[4] = {};

    EXPECT_EQ (controller.SetSignalLatency (64), AAX_SUCCESS);
    EXPECT_EQ (controller.PostPacket (3, payload, 4), AAX_SUCCESS);
    EXPECT_EQ (controller.SendNotification (0x41535076), AAX_SUCCESS);
    EXPECT_EQ (controller.SendNotification (0x74726E6D, payload, 4), AAX_SUCCESS);
    int64_t timestamp = 1;
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (&timestamp), AAX_SUCCESS);
    AAX_CBoolean isAudioSuite = 0;
    EXPECT_EQ (controller.GetIsAudioSuite (&isAudioSuite), AAX_SUCCESS);

    const auto& calls = log.calls;
    ASSERT_EQ (calls.size(), 6u);
    EXPECT_EQ (calls[0].slot, 10);
    EXPECT_EQ (calls[0].arguments, Strings ({"64"}));
    EXPECT_EQ (calls[1].slot, 12);
    EXPECT_EQ (calls[1].arguments, Strings ({"3", Format (static_cast<const void*> (payload)), "4"}));
    EXPECT_EQ (calls[2].slot, 20);
    EXPECT_EQ (calls[2].arguments, Strings ({std::to_string (0x41535076), "null", "0"}));
    EXPECT_EQ (calls[3].slot, 20);
    EXPECT_EQ (calls[4].slot, 22);
    EXPECT_EQ (calls[5].slot, 25);

    // The host's own answer comes back unchanged.
    host.answer = AAX_ERROR_INVALID_PARAMETER_ID;
    EXPECT_EQ (controller.SetSignalLatency (1), AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST (ControllerWrapper, NullHostAnswersEveryOperation)
{
    AAX_VController controller (nullptr);
    float rate = 0.0f;
    int32_t samples = 0;
    AAX_CBoolean flag = 0;
    int64_t timestamp = 9;
    AAX_CString text;

    EXPECT_EQ (controller.GetEffectID (&text), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.GetSampleRate (&rate), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.SetSignalLatency (1), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.PostPacket (0, nullptr, 0), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.GetMeterCount (nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.GetNextMIDIPacket (nullptr, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.SendNotification (1), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (controller.GetHybridSignalLatency (&samples), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (controller.GetHostName (&text), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (&timestamp), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (timestamp, 0);
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (nullptr), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (controller.GetPlugInTargetPlatform (&samples), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (controller.GetIsAudioSuite (&flag), AAX_ERROR_UNIMPLEMENTED);

    EXPECT_EQ (controller.CreateTableCopyForEffect (1, 2, 3, 4, 5), nullptr);
    EXPECT_EQ (controller.CreateTableCopyForLayout ("effect", "layout", 4, 5), nullptr);
    EXPECT_EQ (controller.CreateTableCopyForEffectFromFile ("f", AAX_eTextEncoding_UTF8, 1, 2, 3, 4, 5), nullptr);
    EXPECT_EQ (controller.CreateTableCopyForLayoutFromFile ("f", AAX_eTextEncoding_UTF8, "layout", 4, 5), nullptr);
}

TEST (ControllerWrapper, ReleasesInReverseOrderOfQuerying)
{
    // Each version is a different host object here, so the order of the releases shows.
    CallLog log;
    Unknown host (log, "host");
    std::vector<std::unique_ptr<Unknown>> versions;
    const _acfUID ids[] = {IID_IAAXControllerV1,        IID_IAAXControllerV2,          IID_IAAXControllerV3,
                           IID_IAAXPageTableController, IID_IAAXPageTableControllerV2, IID_IACFComponentFactory};
    const char* names[] = {"v1", "v2", "v3", "pageTable1", "pageTable2", "factory"};

    for (int i = 0; i < 6; ++i)
    {
        versions.push_back (std::make_unique<Unknown> (log, names[i]));
        host.Offer (ids[i], static_cast<IACFUnknown*> (versions.back().get()), versions.back().get());
    }

    {
        AAX_VController controller (&host);
        EXPECT_EQ (log.Of ("QueryInterface", "host").size(), 6u);
        log.Clear();
    }

    EXPECT_EQ (log.Of ("Release").size(), 6u);
    std::vector<std::string> order;
    for (const auto& call : log.calls)
        order.push_back (call.object);
    EXPECT_EQ (order, Strings ({"factory", "pageTable2", "pageTable1", "v3", "v2", "v1"}));

    for (const auto& version : versions)
        EXPECT_EQ (version->refCount, 0) << version->name;
}

//==============================================================================
class TableCopies : public ::testing::Test
{
protected:
    void OfferFactory()
    {
        host.Offer (IID_IACFComponentFactory, static_cast<IACFComponentFactory*> (&factory), &factory);
        factory.Register (AAXCompID_PageTable, [this] (int serial)
                          { return std::make_unique<PageTable> (log, "table" + std::to_string (serial), 2); });
    }

    CallLog log;
    Controller host{log, "controller", 1, 2};
    ComponentFactory factory{log, "factory"};
};

TEST_F (TableCopies, SuccessfulCopyGivesAWrapperOverTheFilledTable)
{
    OfferFactory();
    AAX_VController controller (host.AsUnknown());
    log.Clear();

    std::unique_ptr<AAX_IPageTable> table (controller.CreateTableCopyForEffect (11, 12, 13, kTableType, 24));
    ASSERT_NE (table, nullptr);

    const auto creation = log.Of ("CreateComponent").at (0);
    EXPECT_EQ (creation.arguments, Strings ({Format (AAXCompID_PageTable), "null", Format (IID_IAAXPageTableV2)}));
    auto* const hostTable = factory.Made<PageTable> (0);
    ASSERT_NE (hostTable, nullptr);

    const auto copy = log.Of ("CopyTableForEffect").at (0);
    EXPECT_EQ (copy.slot, 3);
    EXPECT_EQ (copy.arguments, Strings ({"11", "12", "13", std::to_string (kTableType), "24",
                                         Format (static_cast<AAX_IACFPageTable_V2*> (hostTable))}));

    int32_t pages = 0;
    EXPECT_EQ (table->GetNumPages (pages), AAX_SUCCESS);
    EXPECT_EQ (pages, 3);
    EXPECT_EQ (log.Of ("GetNumPages", hostTable->name).at (0).slot, 5);

    // The wrapper holds the only references left.
    EXPECT_EQ (hostTable->refCount, 2);
    table.reset();
    EXPECT_EQ (hostTable->refCount, 0);
}

TEST_F (TableCopies, FailedCopyReleasesTheTable)
{
    OfferFactory();
    AAX_VController controller (host.AsUnknown());
    host.answer = AAX_ERROR_INVALID_ARGUMENT;

    EXPECT_EQ (controller.CreateTableCopyForLayout ("com.tavro.vantrel", "layout", 1, 2), nullptr);
    ASSERT_NE (factory.Made<PageTable> (0), nullptr);
    EXPECT_EQ (factory.Made<PageTable> (0)->refCount, 0);
    EXPECT_EQ (log.Of ("CopyTableForLayout").at (0).slot, 4);
}

TEST_F (TableCopies, WithoutAFactoryTheHostGetsNoTable)
{
    AAX_VController controller (host.AsUnknown());
    log.Clear();

    EXPECT_EQ (controller.CreateTableCopyForEffectFromFile ("/tables.xml", AAX_eTextEncoding_UTF8, 1, 2, 3, 4, 5),
               nullptr);
    const auto copy = log.Of ("CopyTableForEffectFromFile").at (0);
    EXPECT_EQ (copy.slot, 5);
    EXPECT_EQ (copy.arguments.back(), "null");
}

TEST_F (TableCopies, FileVariantsNeedPageTableControllerVersion2)
{
    Controller oldHost (log, "oldController", 1, 1);
    oldHost.Offer (IID_IACFComponentFactory, static_cast<IACFComponentFactory*> (&factory), &factory);
    AAX_VController controller (oldHost.AsUnknown());
    log.Clear();

    EXPECT_EQ (controller.CreateTableCopyForLayoutFromFile ("/tables.xml", AAX_eTextEncoding_UTF8, "layout", 1, 2),
               nullptr);
    EXPECT_TRUE (log.calls.empty());
}

//==============================================================================
TEST (PageTableWrapper, MissingVersionsAreUnimplemented)
{
    CallLog log;
    PageTable onlyVersion1 (log, "table", 1);
    AAX_VPageTable table (&onlyVersion1);
    EXPECT_TRUE (table.IsSupported());
    log.Clear();

    EXPECT_EQ (table.Clear(), AAX_SUCCESS);
    EXPECT_EQ (table.MapParameterID ("input", 1, 2), AAX_SUCCESS);
    AAX_CString name ("In");
    EXPECT_EQ (table.SetParameterNameVariation ("input", name, 2), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (log.Operations(), Strings ({"table.Clear", "table.MapParameterID"}));
    EXPECT_EQ (log.Of ("MapParameterID").at (0).slot, 11);
    EXPECT_EQ (log.Of ("MapParameterID").at (0).arguments, Strings ({"input", "1", "2"}));

    PageTable version2 (log, "table2", 2);
    AAX_VPageTable full (&version2);
    EXPECT_EQ (full.SetParameterNameVariation ("input", name, 2), AAX_SUCCESS);
    EXPECT_EQ (log.Of ("SetParameterNameVariation").at (0).slot, 19);
    EXPECT_EQ (log.Of ("SetParameterNameVariation").at (0).arguments.at (1), Format (&name));

    CallLog otherLog;
    Unknown nothing (otherLog, "nothing");
    AAX_VPageTable empty (&nothing);
    EXPECT_FALSE (empty.IsSupported());
    EXPECT_EQ (empty.Clear(), AAX_ERROR_UNIMPLEMENTED); // not AAX_ERROR_NULL_OBJECT
    int32_t pages = 0;
    EXPECT_EQ (empty.GetNumPages (pages), AAX_ERROR_UNIMPLEMENTED);
}

//==============================================================================
TEST (TransportWrapper, ForwardsByVersion)
{
    CallLog log;
    Transport onlyVersion1 (log, "transport", 1);
    AAX_VTransport transport (&onlyVersion1);
    log.Clear();

    double tempo = 0.0;
    EXPECT_EQ (transport.GetCurrentTempo (&tempo), AAX_SUCCESS);
    EXPECT_EQ (tempo, 120.0);
    int32_t bars = 0, beats = 0;
    int64_t ticks = 0;
    EXPECT_EQ (transport.GetBarBeatPosition (&bars, &beats, &ticks, 4800), AAX_SUCCESS);
    EXPECT_EQ (log.Of ("GetBarBeatPosition").at (0).slot, 10);
    EXPECT_EQ (log.Of ("GetBarBeatPosition").at (0).arguments.back(), "4800");

    AAX_EFrameRate rate = AAX_eFrameRate_Undeclared;
    int32_t offset = 0;
    int64_t hdOffset = 0;
    EXPECT_EQ (transport.GetTimeCodeInfo (&rate, &offset), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (transport.GetHDTimeCodeInfo (&rate, &hdOffset), AAX_ERROR_UNIMPLEMENTED);

    Transport version3 (log, "transport3", 3);
    AAX_VTransport full (&version3);
    EXPECT_EQ (full.GetTimeCodeInfo (&rate, &offset), AAX_SUCCESS);
    EXPECT_EQ (full.GetHDTimeCodeInfo (&rate, &hdOffset), AAX_SUCCESS);
    EXPECT_EQ (log.Of ("GetTimeCodeInfo").at (0).slot, 14);
    EXPECT_EQ (log.Of ("GetHDTimeCodeInfo").at (0).slot, 17);

    AAX_VTransport none (nullptr);
    EXPECT_EQ (none.GetCurrentTempo (&tempo), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (none.IsMetronomeEnabled (&offset), AAX_ERROR_UNIMPLEMENTED);
}

//==============================================================================
TEST (ViewContainerWrapper, OnlyVersion1AndNoCallOnDestruction)
{
    CallLog log;
    ViewContainer view (log, "view", 1);

    {
        AAX_VViewContainer container (&view);
        log.Clear();

        EXPECT_EQ (container.HandleParameterMouseDown ("input", 2), AAX_SUCCESS);
        EXPECT_EQ (log.Of ("HandleParameterMouseDown").at (0).slot, 7);
        EXPECT_EQ (log.Of ("HandleParameterMouseDown").at (0).arguments, Strings ({"input", "2"}));
        EXPECT_EQ (container.HandleParameterMouseEnter ("input", 0), AAX_ERROR_UNIMPLEMENTED);
        const AAX_CParamID ids[] = {"input", "output"};
        EXPECT_EQ (container.HandleMultipleParametersMouseDown (ids, 2, 0), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (container.GetPtr(), &view.nativeView);
        EXPECT_EQ (container.GetType(), AAX_eViewContainer_Type_HWND);
        AAX_Point size (523.0f, 218.0f);
        EXPECT_EQ (container.SetViewSize (size), AAX_SUCCESS);
        EXPECT_EQ (log.Of ("SetViewSize").at (0).arguments, Strings ({"523", "218"}));
        log.Clear();
    }

    EXPECT_TRUE (log.calls.empty());
    EXPECT_EQ (view.refCount, 1); // kept by design: the view may already be going away
}

TEST (ViewContainerWrapper, WithoutAHostViewAnswersHarmlessly)
{
    AAX_VViewContainer container (nullptr);
    AAX_Point size (1.0f, 2.0f);
    uint32_t modifiers = 0;

    EXPECT_EQ (container.GetType(), 0);
    EXPECT_EQ (container.GetPtr(), nullptr);
    EXPECT_EQ (container.SetViewSize (size), AAX_SUCCESS);
    EXPECT_EQ (container.GetModifiers (&modifiers), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (container.HandleParameterMouseUp ("input", 0), AAX_ERROR_UNIMPLEMENTED);
}

//==============================================================================
TEST (AutomationDelegateWrapper, ForwardsOrReportsNullObject)
{
    CallLog log;
    AutomationDelegate host (log, "delegate");

    {
        AAX_VAutomationDelegate delegate (&host);
        log.Clear();
        EXPECT_EQ (delegate.PostTouchRequest ("clip"), AAX_SUCCESS);
        EXPECT_EQ (delegate.PostSetValueRequest ("clip", 0.25), AAX_SUCCESS);
        EXPECT_EQ (delegate.PostReleaseRequest ("clip"), AAX_SUCCESS);

        const auto& calls = log.calls;
        ASSERT_EQ (calls.size(), 3u);
        EXPECT_EQ (calls[0].slot, 7);
        EXPECT_EQ (calls[1].slot, 5);
        EXPECT_EQ (calls[1].arguments, Strings ({"clip", "0.25"}));
        EXPECT_EQ (calls[2].slot, 8);
    }

    EXPECT_EQ (host.refCount, 0);

    AAX_VAutomationDelegate none (nullptr);
    AAX_CBoolean touched = 0;
    EXPECT_EQ (none.RegisterParameter ("clip"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (none.UnregisterParameter ("clip"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (none.PostCurrentValue ("clip", 0.5), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (none.GetTouchState ("clip", &touched), AAX_ERROR_NULL_OBJECT);
}

TEST (HostInterfaceHolder, SuccessWithANullInterfaceThrowsOnUseButARunningInstanceSeesNoInterface)
{
    CallLog log;
    Unknown host (log, "host");
    host.Offer (IID_IAAXAutomationDelegateV1, nullptr);
    host.Offer (IID_IAAXControllerV1, nullptr);
    host.Offer (IID_IAAXTransportV1, nullptr);
    host.Offer (IID_IAAXViewContainerV1, nullptr);
    host.Offer (IID_IACFComponentFactory, nullptr);

    // The holder itself counts the answer as filled, and a call through it throws the pointer code.
    AAX_CHostInterfaceRef<AAX_IACFAutomationDelegate> holder;
    EXPECT_TRUE (holder.QueryFrom (&host, IID_IAAXAutomationDelegateV1));

    try
    {
        holder->PostTouchRequest ("clip");
        FAIL() << "expected the integer exception";
    }
    catch (ACFRESULT code)
    {
        EXPECT_EQ (static_cast<uint32_t> (code), 0x80000005u);
    }

    // The wrappers of a running instance answer as for a host without the interface: nothing may be
    // thrown back into the host's own call.
    AAX_VAutomationDelegate delegate (&host);
    EXPECT_EQ (delegate.PostTouchRequest ("clip"), AAX_ERROR_NULL_OBJECT);

    AAX_VController controller (&host);
    AAX_CSampleRate rate = 0;
    EXPECT_EQ (controller.GetSampleRate (&rate), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.CreateTableCopyForEffect (1, 2, 3, 0x5067544cu, 0), nullptr);

    AAX_VTransport transport (&host);
    double tempo = 0.0;
    EXPECT_EQ (transport.GetCurrentTempo (&tempo), AAX_ERROR_NULL_OBJECT);

    AAX_VViewContainer view (&host);
    EXPECT_EQ (view.GetPtr(), nullptr);
    EXPECT_EQ (host.refCount, 0);
}
