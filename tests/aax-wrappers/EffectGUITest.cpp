// The GUI base class: its host interface, the view-container life cycle and the parameter round after attaching.
#include "AAX_CEffectGUI.h"
#include "AAX_CString.h"
#include "AAX_IACFEffectParameters.h"
#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace FakeHost;

namespace
{
std::vector<std::string> Strings (std::initializer_list<std::string> texts)
{
    return texts;
}

/** The data model as the host hands it to the GUI: a number of parameters with identifiers "p0", "p1", ... */
class EffectParameters : public HostObject<AAX_IACFEffectParameters>
{
public:
    EffectParameters (CallLog& logToUse, int32_t count)
        : HostObject (logToUse, "parameters")
        , numParameters (count)
    {
        Offer (IID_IAAXEffectParametersV1, self);
    }

    AAX_Result GetNumberOfParameters (int32_t* count) const override
    {
        *count = numParameters;
        return countResult;
    }

    AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* id) const override
    {
        if (index == failingIndex)
            return AAX_ERROR_INVALID_PARAMETER_INDEX;

        id->Set (("p" + std::to_string (index)).c_str());
        return AAX_SUCCESS;
    }

#define UNUSED_OPERATION(aSignature)                                                                                   \
    AAX_Result aSignature override                                                                                     \
    {                                                                                                                  \
        return AAX_ERROR_UNIMPLEMENTED;                                                                                \
    }
    UNUSED_OPERATION (Initialize (IACFUnknown*))
    UNUSED_OPERATION (Uninitialize())
    UNUSED_OPERATION (NotificationReceived (AAX_CTypeID, const void*, uint32_t))
    UNUSED_OPERATION (GetMasterBypassParameter (AAX_IString*) const)
    UNUSED_OPERATION (GetParameterIsAutomatable (AAX_CParamID, AAX_CBoolean*) const)
    UNUSED_OPERATION (GetParameterNumberOfSteps (AAX_CParamID, int32_t*) const)
    UNUSED_OPERATION (GetParameterName (AAX_CParamID, AAX_IString*) const)
    UNUSED_OPERATION (GetParameterNameOfLength (AAX_CParamID, AAX_IString*, int32_t) const)
    UNUSED_OPERATION (GetParameterDefaultNormalizedValue (AAX_CParamID, double*) const)
    UNUSED_OPERATION (SetParameterDefaultNormalizedValue (AAX_CParamID, double))
    UNUSED_OPERATION (GetParameterType (AAX_CParamID, AAX_EParameterType*) const)
    UNUSED_OPERATION (GetParameterOrientation (AAX_CParamID, AAX_EParameterOrientation*) const)
    UNUSED_OPERATION (GetParameter (AAX_CParamID, AAX_IParameter**))
    UNUSED_OPERATION (GetParameterIndex (AAX_CParamID, int32_t*) const)
    UNUSED_OPERATION (GetParameterValueInfo (AAX_CParamID, int32_t, int32_t*) const)
    UNUSED_OPERATION (GetParameterValueFromString (AAX_CParamID, double*, const AAX_IString&) const)
    UNUSED_OPERATION (GetParameterStringFromValue (AAX_CParamID, double, AAX_IString*, int32_t) const)
    UNUSED_OPERATION (GetParameterValueString (AAX_CParamID, AAX_IString*, int32_t) const)
    UNUSED_OPERATION (GetParameterNormalizedValue (AAX_CParamID, double*) const)
    UNUSED_OPERATION (SetParameterNormalizedValue (AAX_CParamID, double))
    UNUSED_OPERATION (SetParameterNormalizedRelative (AAX_CParamID, double))
    UNUSED_OPERATION (TouchParameter (AAX_CParamID))
    UNUSED_OPERATION (ReleaseParameter (AAX_CParamID))
    UNUSED_OPERATION (UpdateParameterTouch (AAX_CParamID, AAX_CBoolean))
    UNUSED_OPERATION (UpdateParameterNormalizedValue (AAX_CParamID, double, AAX_EUpdateSource))
    UNUSED_OPERATION (UpdateParameterNormalizedRelative (AAX_CParamID, double))
    UNUSED_OPERATION (GenerateCoefficients())
    UNUSED_OPERATION (ResetFieldData (AAX_CFieldIndex, void*, uint32_t) const)
    UNUSED_OPERATION (GetNumberOfChunks (int32_t*) const)
    UNUSED_OPERATION (GetChunkIDFromIndex (int32_t, AAX_CTypeID*) const)
    UNUSED_OPERATION (GetChunkSize (AAX_CTypeID, uint32_t*) const)
    UNUSED_OPERATION (GetChunk (AAX_CTypeID, AAX_SPlugInChunk*) const)
    UNUSED_OPERATION (SetChunk (AAX_CTypeID, const AAX_SPlugInChunk*))
    UNUSED_OPERATION (CompareActiveChunk (const AAX_SPlugInChunk*, AAX_CBoolean*) const)
    UNUSED_OPERATION (GetNumberOfChanges (int32_t*) const)
    UNUSED_OPERATION (TimerWakeup())
#undef UNUSED_OPERATION

    int32_t numParameters;
    int32_t failingIndex = -1;
    AAX_Result countResult = AAX_SUCCESS;
};

/** A GUI that records what the base class asks of it into the host's log, as object "gui". */
class RecordingGUI : public AAX_CEffectGUI
{
public:
    explicit RecordingGUI (CallLog& logToUse)
        : log (logToUse)
    {
    }

    AAX_Result ParameterUpdated (AAX_CParamID id) override
    {
        log.Add ("gui", -1, "ParameterUpdated", id);
        return AAX_SUCCESS;
    }

    using AAX_CEffectGUI::GetEffectParameters;
    using AAX_CEffectGUI::GetViewContainer;
    using AAX_CEffectGUI::GetViewContainerPtr;
    using AAX_CEffectGUI::GetViewContainerType;

private:
    void CreateViewContents() override { log.Add ("gui", -1, "CreateViewContents"); }
    void CreateViewContainer() override { log.Add ("gui", -1, "CreateViewContainer"); }
    void DeleteViewContainer() override { log.Add ("gui", -1, "DeleteViewContainer"); }

    CallLog& log;
};

std::vector<std::string> GUIEvents (const CallLog& log)
{
    return log.Summary ("gui");
}

/** The controller object the host hands to Initialize: it also leads to the data model and the transport. */
struct GUIHost
{
    explicit GUIHost (int32_t numParameters)
        : parameters (log, numParameters)
    {
        controller.Offer (IID_IAAXEffectParametersV1, static_cast<AAX_IACFEffectParameters*> (&parameters),
                          &parameters);
        controller.Offer (IID_IAAXTransportV1, static_cast<AAX_IACFTransport*> (&transport), &transport);
    }

    IACFUnknown* Controller() { return controller.AsUnknown(); }

    CallLog log;
    FakeHost::Controller controller{log, "controller", 1, 0};
    EffectParameters parameters;
    FakeHost::Transport transport{log, "transport", 1};
    ViewContainer view{log, "view", 1};
    ViewContainer secondView{log, "secondView", 1};
};
}

//==============================================================================
TEST (EffectGUI, AnswersItsHostInterface)
{
    CallLog log;
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* const gui = new RecordingGUI (log);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore + 1);

    void* answer = nullptr;
    EXPECT_EQ (gui->QueryInterface (IID_IAAXEffectGUIV1, &answer), ACF_OK);
    EXPECT_EQ (answer, static_cast<AAX_IACFEffectGUI*> (gui));

    _acfUID almost = IID_IAAXEffectGUIV1;
    almost.Data4[7] ^= 1;
    answer = gui;
    EXPECT_EQ (static_cast<uint32_t> (gui->QueryInterface (almost, &answer)), 0x80000004u);
    EXPECT_EQ (answer, nullptr);

    EXPECT_EQ (gui->QueryInterface (IID_IACFUnknown, &answer), ACF_OK);
    EXPECT_NE (answer, nullptr);
    EXPECT_EQ (static_cast<IACFUnknown*> (answer)->Release(), 1u);

    // The last reference destroys the object.
    EXPECT_EQ (gui->Release(), 0u);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST (EffectGUI, FixedAnswersOfTheBase)
{
    CallLog log;
    RecordingGUI gui (log);
    AAX_Point size (1.0f, 2.0f);
    AAX_CString label ("unchanged");
    AAX_Rect rect;

    EXPECT_EQ (gui.GetViewSize (&size), AAX_SUCCESS);
    EXPECT_EQ (size, AAX_Point (1.0f, 2.0f));
    EXPECT_EQ (gui.GetCustomLabel (AAX_ePlugInStrings_ClipIndicator, &label), AAX_ERROR_NULL_OBJECT);
    EXPECT_STREQ (label.Get(), "unchanged");
    EXPECT_EQ (gui.NotificationReceived (1, nullptr, 0), AAX_SUCCESS);
    EXPECT_EQ (gui.Draw (&rect), AAX_SUCCESS);
    EXPECT_EQ (gui.TimerWakeup(), AAX_SUCCESS);
    EXPECT_EQ (gui.SetControlHighlightInfo ("clip", 1, AAX_eHighlightColor_Red), AAX_SUCCESS);
    EXPECT_EQ (gui.GetViewContainer(), nullptr);
    EXPECT_EQ (gui.GetViewContainerPtr(), nullptr);
    EXPECT_EQ (gui.GetViewContainerType(), 0);
}

TEST (EffectGUI, InitializeWithoutControllerCreatesNoContents)
{
    CallLog log;
    RecordingGUI gui (log);

    EXPECT_EQ (gui.Initialize (nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_TRUE (GUIEvents (log).empty());
    EXPECT_EQ (gui.GetEffectParameters(), nullptr);
    EXPECT_EQ (gui.Uninitialize(), AAX_SUCCESS);
}

TEST (EffectGUI, AttachingAViewUpdatesEveryParameterInOrder)
{
    GUIHost host (7);
    RecordingGUI gui (host.log);

    EXPECT_EQ (gui.Initialize (host.Controller()), AAX_SUCCESS);
    EXPECT_EQ (gui.GetEffectParameters(), static_cast<AAX_IACFEffectParameters*> (&host.parameters));
    EXPECT_EQ (host.parameters.refCount, 1);
    EXPECT_EQ (GUIEvents (host.log), Strings ({"CreateViewContents"}));
    host.log.Clear();

    EXPECT_EQ (gui.SetViewContainer (&host.view), AAX_SUCCESS);
    EXPECT_EQ (GUIEvents (host.log),
               Strings ({"CreateViewContainer", "ParameterUpdated p0", "ParameterUpdated p1", "ParameterUpdated p2",
                         "ParameterUpdated p3", "ParameterUpdated p4", "ParameterUpdated p5", "ParameterUpdated p6"}));

    ASSERT_NE (gui.GetViewContainer(), nullptr);
    EXPECT_EQ (gui.GetViewContainerPtr(), &host.view.nativeView);
    EXPECT_EQ (gui.GetViewContainerType(), AAX_eViewContainer_Type_HWND);

    EXPECT_EQ (gui.Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (host.parameters.refCount, 0);
    EXPECT_EQ (host.transport.refCount, 0);
}

TEST (EffectGUI, FailedParameterQueriesAreSkipped)
{
    GUIHost host (4);
    host.parameters.failingIndex = 2;
    RecordingGUI gui (host.log);
    gui.Initialize (host.Controller());
    host.log.Clear();

    gui.SetViewContainer (&host.view);
    EXPECT_EQ (GUIEvents (host.log),
               Strings ({"CreateViewContainer", "ParameterUpdated p0", "ParameterUpdated p1", "ParameterUpdated p3"}));

    host.parameters.countResult = AAX_ERROR_NULL_OBJECT;
    host.log.Clear();
    gui.SetViewContainer (&host.secondView);
    EXPECT_EQ (GUIEvents (host.log), Strings ({"CreateViewContainer"}));
}

TEST (EffectGUI, WithoutTheDataModelNothingIsUpdated)
{
    CallLog log;
    Controller controller (log, "controller", 1, 0);
    ViewContainer view (log, "view", 1);
    RecordingGUI gui (log);

    EXPECT_EQ (gui.Initialize (controller.AsUnknown()), AAX_SUCCESS);
    EXPECT_EQ (gui.GetEffectParameters(), nullptr);
    gui.SetViewContainer (&view);
    EXPECT_EQ (GUIEvents (log), Strings ({"CreateViewContents", "CreateViewContainer"}));
}

TEST (EffectGUI, ReplacingAViewDoesNotDetachTheOldOne)
{
    GUIHost host (1);
    RecordingGUI gui (host.log);
    gui.Initialize (host.Controller());
    gui.SetViewContainer (&host.view);
    host.log.Clear();

    gui.SetViewContainer (&host.secondView);
    EXPECT_EQ (GUIEvents (host.log), Strings ({"CreateViewContainer", "ParameterUpdated p0"}));
    EXPECT_TRUE (host.log.On ("view").empty()); // the old wrapper went without a call into the host's view
    EXPECT_EQ (gui.GetViewContainerPtr(), &host.secondView.nativeView);

    host.log.Clear();
    gui.SetViewContainer (nullptr);
    EXPECT_EQ (GUIEvents (host.log), Strings ({"DeleteViewContainer"}));
    EXPECT_EQ (gui.GetViewContainer(), nullptr);
}

TEST (EffectGUI, UninitializeDetachesOnceBeforeReleasingTheDataModel)
{
    GUIHost host (2);
    RecordingGUI gui (host.log);
    gui.Initialize (host.Controller());
    gui.SetViewContainer (&host.view);
    host.log.Clear();

    EXPECT_EQ (gui.Uninitialize(), AAX_SUCCESS);

    std::vector<std::string> order;
    for (const auto& call : host.log.calls)
        if (call.object == "gui" || (call.object == "parameters" && call.operation == "Release"))
            order.push_back (call.object + "." + call.operation);

    EXPECT_EQ (order, Strings ({"gui.DeleteViewContainer", "parameters.Release"}));
    EXPECT_EQ (gui.GetViewContainer(), nullptr);
    EXPECT_EQ (gui.GetEffectParameters(), nullptr);
}

TEST (EffectGUI, DestructionWithAViewAttachedStaysInTheBase)
{
    GUIHost host (3);

    {
        RecordingGUI gui (host.log);
        gui.Initialize (host.Controller());
        gui.SetViewContainer (&host.view);
        host.log.Clear();
    }

    EXPECT_TRUE (GUIEvents (host.log).empty());
    EXPECT_TRUE (host.log.On ("view").empty());
    EXPECT_EQ (host.parameters.refCount, 0);
    EXPECT_EQ (host.transport.refCount, 0);
    EXPECT_EQ (host.controller.refCount, 0);
}
