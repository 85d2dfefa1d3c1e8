// The host reaches its interfaces by table position: these checks pin every operation's slot.
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFEffectGUI.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_IACFPageTable.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "IACFComponentFactory.h"
#include "VtableSlots.h"

#include <gtest/gtest.h>

using VtableSlots::slotOf;

TEST (HostInterfaceSlots, UnknownTrioComesFirst)
{
    EXPECT_EQ (slotOf (&IACFUnknown::QueryInterface), 0);
    EXPECT_EQ (slotOf (&IACFUnknown::AddRef), 1);
    EXPECT_EQ (slotOf (&IACFUnknown::Release), 2);
}

TEST (HostInterfaceSlots, ComponentFactoryCreatesAtPosition3)
{
    EXPECT_EQ (slotOf (&IACFComponentFactory::CreateComponent), 3);
}

TEST (HostInterfaceSlots, Collection)
{
    EXPECT_EQ (slotOf (&AAX_IACFCollection::AddEffect), 7);
    EXPECT_EQ (slotOf (&AAX_IACFCollection::SetManufacturerName), 8);
    EXPECT_EQ (slotOf (&AAX_IACFCollection::AddPackageName), 9);
    EXPECT_EQ (slotOf (&AAX_IACFCollection::SetPackageVersion), 10);
    EXPECT_EQ (slotOf (&AAX_IACFCollection::SetProperties), 11);
}

TEST (HostInterfaceSlots, EffectDescriptor)
{
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddComponent), 3);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddName), 4);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddCategory), 5);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddCategoryBypassParameter), 6);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddProcPtr), 7);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::SetProperties), 8);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddResourceInfo), 9);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor::AddMeterDescription), 10);
    EXPECT_EQ (slotOf (&AAX_IACFEffectDescriptor_V2::AddControlMIDINode), 11);
}

TEST (HostInterfaceSlots, ComponentDescriptor)
{
    using V1 = AAX_IACFComponentDescriptor;
    EXPECT_EQ (slotOf (&V1::Clear), 3);
    EXPECT_EQ (slotOf (&V1::AddReservedField), 4);
    EXPECT_EQ (slotOf (&V1::AddAudioIn), 5);
    EXPECT_EQ (slotOf (&V1::AddAudioOut), 6);
    EXPECT_EQ (slotOf (&V1::AddAudioBufferLength), 7);
    EXPECT_EQ (slotOf (&V1::AddSampleRate), 8);
    EXPECT_EQ (slotOf (&V1::AddClock), 9);
    EXPECT_EQ (slotOf (&V1::AddSideChainIn), 10);
    EXPECT_EQ (slotOf (&V1::AddDataInPort), 11);
    EXPECT_EQ (slotOf (&V1::AddAuxOutputStem), 12);
    EXPECT_EQ (slotOf (&V1::AddPrivateData), 13);
    EXPECT_EQ (slotOf (&V1::AddDmaInstance), 14);
    EXPECT_EQ (slotOf (&V1::AddMIDINode), 15);
    EXPECT_EQ (slotOf (&V1::AddProcessProc_Native), 16);
    EXPECT_EQ (slotOf (&V1::AddProcessProc_TI), 17);
    EXPECT_EQ (slotOf (&V1::AddMeters), 18);
    EXPECT_EQ (slotOf (&AAX_IACFComponentDescriptor_V2::AddTemporaryData), 19);
    EXPECT_EQ (slotOf (&AAX_IACFComponentDescriptor_V3::AddProcessProc), 20);
}

TEST (HostInterfaceSlots, PropertyMap)
{
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap::GetProperty), 3);
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap::AddProperty), 4);
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap::RemoveProperty), 5);
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap_V2::AddPropertyWithIDArray), 6);
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap_V2::GetPropertyWithIDArray), 7);
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap_V3::GetPointerProperty), 8);
    EXPECT_EQ (slotOf (&AAX_IACFPropertyMap_V3::AddPointerProperty), 9);
}

TEST (HostInterfaceSlots, DescriptionHostAndFeatureInfo)
{
    EXPECT_EQ (slotOf (&AAX_IACFDescriptionHost::AcquireFeatureProperties), 3);
    EXPECT_EQ (slotOf (&AAX_IACFFeatureInfo::SupportLevel), 3);
    EXPECT_EQ (slotOf (&AAX_IACFFeatureInfo::AcquireProperties), 4);
}

TEST (HostInterfaceSlots, Controller)
{
    using V1 = AAX_IACFController;
    EXPECT_EQ (slotOf (&V1::GetEffectID), 3);
    EXPECT_EQ (slotOf (&V1::GetSampleRate), 4);
    EXPECT_EQ (slotOf (&V1::GetInputStemFormat), 5);
    EXPECT_EQ (slotOf (&V1::GetOutputStemFormat), 6);
    EXPECT_EQ (slotOf (&V1::GetSignalLatency), 7);
    EXPECT_EQ (slotOf (&V1::GetCycleCount), 8);
    EXPECT_EQ (slotOf (&V1::GetTODLocation), 9);
    EXPECT_EQ (slotOf (&V1::SetSignalLatency), 10);
    EXPECT_EQ (slotOf (&V1::SetCycleCount), 11);
    EXPECT_EQ (slotOf (&V1::PostPacket), 12);
    EXPECT_EQ (slotOf (&V1::GetCurrentMeterValue), 13);
    EXPECT_EQ (slotOf (&V1::GetMeterPeakValue), 14);
    EXPECT_EQ (slotOf (&V1::ClearMeterPeakValue), 15);
    EXPECT_EQ (slotOf (&V1::GetMeterClipped), 16);
    EXPECT_EQ (slotOf (&V1::ClearMeterClipped), 17);
    EXPECT_EQ (slotOf (&V1::GetMeterCount), 18);
    EXPECT_EQ (slotOf (&V1::GetNextMIDIPacket), 19);
    EXPECT_EQ (slotOf (&AAX_IACFController_V2::SendNotification), 20);
    EXPECT_EQ (slotOf (&AAX_IACFController_V2::GetHybridSignalLatency), 21);
    EXPECT_EQ (slotOf (&AAX_IACFController_V2::GetCurrentAutomationTimestamp), 22);
    EXPECT_EQ (slotOf (&AAX_IACFController_V2::GetHostName), 23);
    EXPECT_EQ (slotOf (&AAX_IACFController_V3::GetPlugInTargetPlatform), 24);
    EXPECT_EQ (slotOf (&AAX_IACFController_V3::GetIsAudioSuite), 25);
}

TEST (HostInterfaceSlots, PageTableControllerAndPageTable)
{
    EXPECT_EQ (slotOf (&AAX_IACFPageTableController::CopyTableForEffect), 3);
    EXPECT_EQ (slotOf (&AAX_IACFPageTableController::CopyTableForLayout), 4);
    EXPECT_EQ (slotOf (&AAX_IACFPageTableController_V2::CopyTableForEffectFromFile), 5);
    EXPECT_EQ (slotOf (&AAX_IACFPageTableController_V2::CopyTableForLayoutFromFile), 6);

    using V1 = AAX_IACFPageTable;
    using V2 = AAX_IACFPageTable_V2;
    EXPECT_EQ (slotOf (&V1::Clear), 3);
    EXPECT_EQ (slotOf (&V1::Empty), 4);
    EXPECT_EQ (slotOf (&V1::GetNumPages), 5);
    EXPECT_EQ (slotOf (&V1::InsertPage), 6);
    EXPECT_EQ (slotOf (&V1::RemovePage), 7);
    EXPECT_EQ (slotOf (&V1::GetNumMappedParameterIDs), 8);
    EXPECT_EQ (slotOf (&V1::ClearMappedParameter), 9);
    EXPECT_EQ (slotOf (&V1::GetMappedParameterID), 10);
    EXPECT_EQ (slotOf (&V1::MapParameterID), 11);
    EXPECT_EQ (slotOf (&V2::GetNumParametersWithNameVariations), 12);
    EXPECT_EQ (slotOf (&V2::GetNameVariationParameterIDAtIndex), 13);
    EXPECT_EQ (slotOf (&V2::GetNumNameVariationsForParameter), 14);
    EXPECT_EQ (slotOf (&V2::GetParameterNameVariationAtIndex), 15);
    EXPECT_EQ (slotOf (&V2::GetParameterNameVariationOfLength), 16);
    EXPECT_EQ (slotOf (&V2::ClearParameterNameVariations), 17);
    EXPECT_EQ (slotOf (&V2::ClearNameVariationsForParameter), 18);
    EXPECT_EQ (slotOf (&V2::SetParameterNameVariation), 19);
}

TEST (HostInterfaceSlots, Transport)
{
    using V1 = AAX_IACFTransport;
    EXPECT_EQ (slotOf (&V1::GetCurrentTempo), 3);
    EXPECT_EQ (slotOf (&V1::GetCurrentMeter), 4);
    EXPECT_EQ (slotOf (&V1::IsTransportPlaying), 5);
    EXPECT_EQ (slotOf (&V1::GetCurrentTickPosition), 6);
    EXPECT_EQ (slotOf (&V1::GetCurrentLoopPosition), 7);
    EXPECT_EQ (slotOf (&V1::GetCurrentNativeSampleLocation), 8);
    EXPECT_EQ (slotOf (&V1::GetCustomTickPosition), 9);
    EXPECT_EQ (slotOf (&V1::GetBarBeatPosition), 10);
    EXPECT_EQ (slotOf (&V1::GetTicksPerQuarter), 11);
    EXPECT_EQ (slotOf (&V1::GetCurrentTicksPerBeat), 12);
    EXPECT_EQ (slotOf (&AAX_IACFTransport_V2::GetTimelineSelectionStartPosition), 13);
    EXPECT_EQ (slotOf (&AAX_IACFTransport_V2::GetTimeCodeInfo), 14);
    EXPECT_EQ (slotOf (&AAX_IACFTransport_V2::GetFeetFramesInfo), 15);
    EXPECT_EQ (slotOf (&AAX_IACFTransport_V2::IsMetronomeEnabled), 16);
    EXPECT_EQ (slotOf (&AAX_IACFTransport_V3::GetHDTimeCodeInfo), 17);
}

TEST (HostInterfaceSlots, ViewContainer)
{
    using V1 = AAX_IACFViewContainer;
    EXPECT_EQ (slotOf (&V1::GetType), 3);
    EXPECT_EQ (slotOf (&V1::GetPtr), 4);
    EXPECT_EQ (slotOf (&V1::GetModifiers), 5);
    EXPECT_EQ (slotOf (&V1::SetViewSize), 6);
    EXPECT_EQ (slotOf (&V1::HandleParameterMouseDown), 7);
    EXPECT_EQ (slotOf (&V1::HandleParameterMouseDrag), 8);
    EXPECT_EQ (slotOf (&V1::HandleParameterMouseUp), 9);
    EXPECT_EQ (slotOf (&AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDown), 10);
    EXPECT_EQ (slotOf (&AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDrag), 11);
    EXPECT_EQ (slotOf (&AAX_IACFViewContainer_V2::HandleMultipleParametersMouseUp), 12);
    EXPECT_EQ (slotOf (&AAX_IACFViewContainer_V3::HandleParameterMouseEnter), 13);
    EXPECT_EQ (slotOf (&AAX_IACFViewContainer_V3::HandleParameterMouseExit), 14);
}

TEST (HostInterfaceSlots, AutomationDelegate)
{
    using V1 = AAX_IACFAutomationDelegate;
    EXPECT_EQ (slotOf (&V1::RegisterParameter), 3);
    EXPECT_EQ (slotOf (&V1::UnregisterParameter), 4);
    EXPECT_EQ (slotOf (&V1::PostSetValueRequest), 5);
    EXPECT_EQ (slotOf (&V1::PostCurrentValue), 6);
    EXPECT_EQ (slotOf (&V1::PostTouchRequest), 7);
    EXPECT_EQ (slotOf (&V1::PostReleaseRequest), 8);
    EXPECT_EQ (slotOf (&V1::GetTouchState), 9);
}

TEST (HostInterfaceSlots, EffectGUIHasThirteenHostSlots)
{
    using GUI = AAX_IACFEffectGUI;
    EXPECT_EQ (slotOf (&GUI::Initialize), 3);
    EXPECT_EQ (slotOf (&GUI::Uninitialize), 4);
    EXPECT_EQ (slotOf (&GUI::NotificationReceived), 5);
    EXPECT_EQ (slotOf (&GUI::SetViewContainer), 6);
    EXPECT_EQ (slotOf (&GUI::GetViewSize), 7);
    EXPECT_EQ (slotOf (&GUI::Draw), 8);
    EXPECT_EQ (slotOf (&GUI::TimerWakeup), 9);
    EXPECT_EQ (slotOf (&GUI::ParameterUpdated), 10);
    EXPECT_EQ (slotOf (&GUI::GetCustomLabel), 11);
    EXPECT_EQ (slotOf (&GUI::SetControlHighlightInfo), 12);
}
