// Compiles the library's headers the way JUCE's AAX client sees them: after JUCE's module headers, with
// `Component` (and, on macOS, `Point` and `check`) defined as macros, in the client's include order, and
// followed by `using namespace juce;`. It then uses the library as the client does. Nothing here runs.

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#define Component juce::Component
#define Point juce::Point
#define check(assertion) assertion

#include <AAX_Version.h>

static_assert (AAX_SDK_CURRENT_REVISION >= AAX_SDK_2p3p0_REVISION, "the client needs revision 2.3.0 or higher");

#include <AAX_ICollection.h>
#include <AAX_IComponentDescriptor.h>
#include <AAX_IEffectDescriptor.h>
#include <AAX_IPropertyMap.h>
#include <AAX_CEffectParameters.h>
#include <AAX_Errors.h>
#include <AAX_CBinaryTaperDelegate.h>
#include <AAX_CBinaryDisplayDelegate.h>
#include <AAX_CLinearTaperDelegate.h>
#include <AAX_CNumberDisplayDelegate.h>
#include <AAX_CEffectGUI.h>
#include <AAX_IViewContainer.h>
#include <AAX_ITransport.h>
#include <AAX_IMIDINode.h>
#include <AAX_UtilsNative.h>
#include <AAX_Enums.h>
#include <AAX_IDescriptionHost.h>
#include <AAX_IFeatureInfo.h>
#include <AAX_UIDs.h>

#if defined(AAX_SDK_2p3p1_REVISION) && AAX_SDK_2p3p1_REVISION <= AAX_SDK_CURRENT_REVISION
#include <AAX_Exception.h>
#include <AAX_Assert.h>
#else
#error "the client is to take the 2.3.1 path"
#endif

#if defined(AAX_SDK_2p4p0_REVISION) && AAX_SDK_2p4p0_REVISION <= AAX_SDK_CURRENT_REVISION
#include <AAX_TransportTypes.h>
#else
#error "the client is to take the 2.4.0 path"
#endif

#undef check
#undef Point

using namespace juce;

namespace ClientHeadersCompile
{
// Unqualified framework names stay unambiguous next to the library's global names.
[[maybe_unused]] int32 anInt32 = 0;
[[maybe_unused]] uint32 aUint32 = 0;

/** The data-model overrides of JUCE's client, with its exact signatures. */
class ClientProcessor : public AAX_CEffectParameters
{
public:
    ClientProcessor()
    {
        int32_t index = 0;
        AAX_CEffectParameters::GetNumberOfChunks (&index);
    }

    ~ClientProcessor() override = default;

    AAX_Result Uninitialize() override { return AAX_CEffectParameters::Uninitialize(); }

    AAX_Result EffectInit() override
    {
        AAX_CSampleRate sampleRate;
        Controller()->GetSampleRate (&sampleRate);
        Controller()->SetSignalLatency (0);

        AAX_EStemFormat inputStemFormat = AAX_eStemFormat_None;
        Controller()->GetInputStemFormat (&inputStemFormat);

        AAX_CBoolean isAudioSuite = 0;
        Controller()->GetIsAudioSuite (&isAudioSuite);

        auto* parameter = new AAX_CParameter<float> (cDefaultMasterBypassID, AAX_CString ("Master Bypass"), 0.0f,
                                                     AAX_CLinearTaperDelegate<float, 0>(),
                                                     AAX_CNumberDisplayDelegate<float, 3>(), true);
        parameter->AddShortenedName (String ("Master Bypass").substring (0, 4).toRawUTF8());
        parameter->SetNumberOfSteps ((uint32_t)2);
        parameter->SetType (AAX_eParameterType_Discrete);
        parameter->SetOrientation (
            AAX_eParameterOrientation_LeftMinRightMax | AAX_eParameterOrientation_BottomMinTopMax |
            AAX_eParameterOrientation_RotarySingleDotMode | AAX_eParameterOrientation_RotaryLeftMinRightMax);
        mParameterManager.AddParameter (parameter);
        mPacketDispatcher.RegisterPacket (cDefaultMasterBypassID, 3);

        if (auto* aaxParam = mParameterManager.GetParameterByID (String (cDefaultMasterBypassID).toRawUTF8()))
        {
            if (aaxParam->Name() != "Bypass")
                aaxParam->SetName (AAX_CString ("Bypass"));

            if (aaxParam->GetType() != AAX_eParameterType_Continuous)
                aaxParam->SetType (AAX_eParameterType_Continuous);

            if (aaxParam->GetNumberOfSteps() != 3u)
                aaxParam->SetNumberOfSteps (3u);

            if (static_cast<float> (aaxParam->GetNormalizedDefaultValue()) != 0.0f)
                aaxParam->SetNormalizedDefaultValue (0.0);

            aaxParam->SetValueWithFloat (1.0f);
        }

        ++mNumPlugInChanges;
        return AAX_SUCCESS;
    }

    AAX_Result GetNumberOfChunks (int32_t* numChunks) const override
    {
        *numChunks = 2;
        return AAX_SUCCESS;
    }

    AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const override
    {
        return AAX_CEffectParameters::GetChunkIDFromIndex (index, chunkID);
    }

    AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* oSize) const override
    {
        return AAX_CEffectParameters::GetChunkSize (chunkID, oSize);
    }

    AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* oChunk) const override
    {
        oChunk->fSize = (int32_t)0;
        ignoreUnused (oChunk->fData);
        return AAX_CEffectParameters::GetChunk (chunkID, oChunk);
    }

    AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override
    {
        ignoreUnused ((void*)chunk->fData);
        return AAX_CEffectParameters::SetChunk (chunkID, chunk);
    }

    AAX_Result ResetFieldData (AAX_CFieldIndex, void*, uint32_t) const override { return AAX_SUCCESS; }

    AAX_Result GetNumberOfChanges (int32_t* numChanges) const override
    {
        return AAX_CEffectParameters::GetNumberOfChanges (numChanges);
    }

    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID paramID, double value, AAX_EUpdateSource source) override
    {
        return AAX_CEffectParameters::UpdateParameterNormalizedValue (paramID, value, source);
    }

    AAX_Result GetParameterValueFromString (AAX_CParamID paramID, double* result,
                                            const AAX_IString& text) const override
    {
        ignoreUnused (String (text.Get()));
        return AAX_CEffectParameters::GetParameterValueFromString (paramID, result, text);
    }

    AAX_Result GetParameterStringFromValue (AAX_CParamID, double, AAX_IString* result, int32_t) const override
    {
        result->Set ("");
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterNumberofSteps (AAX_CParamID, int32_t* result) const
    {
        *result = 0;
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterNormalizedValue (AAX_CParamID, double* result) const override
    {
        *result = 0.0;
        return AAX_SUCCESS;
    }

    AAX_Result SetParameterNormalizedValue (AAX_CParamID paramID, double newValue) override
    {
        if (auto* p = mParameterManager.GetParameterByID (paramID))
            p->SetValueWithFloat ((float)newValue);

        return AAX_SUCCESS;
    }

    AAX_Result SetParameterNormalizedRelative (AAX_CParamID paramID, double newDeltaValue) override
    {
        if (auto* p = mParameterManager.GetParameterByID (paramID))
            p->SetValueWithFloat ((float)newDeltaValue);

        return AAX_SUCCESS;
    }

    AAX_Result GetParameterNameOfLength (AAX_CParamID, AAX_IString* result, int32_t) const override
    {
        result->Set ("");
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterName (AAX_CParamID, AAX_IString* result) const override
    {
        result->Set ("");
        return AAX_SUCCESS;
    }

    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID, double* result) const override
    {
        *result = 0.0;
        return AAX_SUCCESS;
    }

    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) override
    {
        switch (type)
        {
            case AAX_eNotificationEvent_EnteringOfflineMode:
            case AAX_eNotificationEvent_ExitingOfflineMode:
            case AAX_eNotificationEvent_SideChainBeingConnected:
            case AAX_eNotificationEvent_SideChainBeingDisconnected:
                break;

            case AAX_eNotificationEvent_ASProcessingState:
                if (data != nullptr && size == sizeof (AAX_EProcessingState))
                {
                    const auto state = *static_cast<const AAX_EProcessingState*> (data);
                    ignoreUnused (state == AAX_eProcessingState_StartPass ||
                                  state == AAX_eProcessingState_BeginPassGroup);
                }
                break;

            case AAX_eNotificationEvent_TrackNameChanged:
                if (data != nullptr)
                    ignoreUnused (String (static_cast<const AAX_IString*> (data)->Get()));
                break;

            case AAX_eNotificationEvent_TransportStateChanged:
                if (data != nullptr)
                {
                    const auto& info = *static_cast<const AAX_TransportStateInfo_V1*> (data);
                    ignoreUnused (Optional<bool> (info.mIsRecording));
                }
                break;

            default:
                break;
        }

        return AAX_CEffectParameters::NotificationReceived (type, data, size);
    }

    AAX_Result GetCurveData (AAX_CTypeID curveType, const float*, uint32_t, float*) const override
    {
        switch (curveType)
        {
            case AAX_eCurveType_EQ:
            case AAX_eCurveType_Dynamics:
            case AAX_eCurveType_Reduction:
            default:
                break;
        }

        return AAX_ERROR_UNIMPLEMENTED;
    }

    AAX_Result GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const override
    {
        return AAX_ERROR_UNIMPLEMENTED;
    }

    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const override
    {
        return AAX_ERROR_UNIMPLEMENTED;
    }

    void UsesTheHostAndTouchesParameters() const
    {
        const AAX_ITransport& transport = *Transport();
        ignoreUnused (transport);
    }

    void TouchAndRelease (AAX_CParamID paramID)
    {
        TouchParameter (paramID);
        ReleaseParameter (paramID);
    }
};

[[maybe_unused]] AAX_CEffectParameters* CreateProcessor()
{
    return new ClientProcessor();
}

/** Every stem format label of the client's one switch must be distinct. */
[[maybe_unused]] int ChannelCountOf (AAX_EStemFormat format)
{
    switch (format)
    {
        case AAX_eStemFormat_Mono:
        case AAX_eStemFormat_Stereo:
        case AAX_eStemFormat_LCR:
        case AAX_eStemFormat_LCRS:
        case AAX_eStemFormat_Quad:
        case AAX_eStemFormat_5_0:
        case AAX_eStemFormat_5_1:
        case AAX_eStemFormat_6_0:
        case AAX_eStemFormat_6_1:
        case AAX_eStemFormat_7_0_SDDS:
        case AAX_eStemFormat_7_1_SDDS:
        case AAX_eStemFormat_7_0_DTS:
        case AAX_eStemFormat_7_1_DTS:
        case AAX_eStemFormat_7_0_2:
        case AAX_eStemFormat_7_1_2:
        case AAX_eStemFormat_Ambi_1_ACN:
        case AAX_eStemFormat_Ambi_2_ACN:
        case AAX_eStemFormat_Ambi_3_ACN:
            return AAX_STEM_FORMAT_CHANNEL_COUNT (format);
        case AAX_eStemFormat_None:
        case AAX_eStemFormat_Reserved_1:
        case AAX_eStemFormat_Reserved_2:
        case AAX_eStemFormat_Reserved_3:
        case AAX_eStemFormatNum:
        case AAX_eStemFormat_Any:
        case AAX_eStemFormat_INT32_MAX:
            break;
    }

    return AAX_STEM_FORMAT_INDEX (format) <= 12 ? 0 : -1;
}

[[maybe_unused]] static constexpr auto maxSamplesPerBlock = 1 << AAX_eAudioBufferLength_Max;
static_assert (maxSamplesPerBlock == 1024);

enum JUCE_AAX_EFrameRate : std::underlying_type_t<AAX_EFrameRate>
{
    JUCE_AAX_eFrameRate_Undeclared = 0
};

[[maybe_unused]] const acfUID& stemFormatFeature = AAXATTR_ClientFeature_StemFormat;

[[maybe_unused]] void UsesTheErrors (AAX_Result result)
{
    ignoreUnused (result == AAX_SUCCESS, result == AAX_ERROR_NULL_OBJECT, result == AAX_ERROR_UNIMPLEMENTED);
}

//==============================================================================
// The description calls and the GUI, in the form JUCE's client makes them.

/** The client's algorithm context: pointers only, so that AAX_FIELD_INDEX gives 0, 1, 2, ... */
struct ClientAlgorithmContext
{
    float** inputChannels;
    float** outputChannels;
    int32_t* bufferSize;
    int32_t* bypass;
    void* pluginInstance;
    int32_t* isPrepared;
    float* const* meterTapBuffers;
    int32_t* sideChainBuffers;
};

enum ClientAlgorithmIDs
{
    inputChannels = AAX_FIELD_INDEX (ClientAlgorithmContext, inputChannels),
    outputChannels = AAX_FIELD_INDEX (ClientAlgorithmContext, outputChannels),
    bufferSize = AAX_FIELD_INDEX (ClientAlgorithmContext, bufferSize),
    bypass = AAX_FIELD_INDEX (ClientAlgorithmContext, bypass),
    pluginInstance = AAX_FIELD_INDEX (ClientAlgorithmContext, pluginInstance),
    preparedFlag = AAX_FIELD_INDEX (ClientAlgorithmContext, isPrepared),
    meterTapBuffers = AAX_FIELD_INDEX (ClientAlgorithmContext, meterTapBuffers),
    sideChainBuffers = AAX_FIELD_INDEX (ClientAlgorithmContext, sideChainBuffers)
};

static_assert (sideChainBuffers == 7);

void AAX_CALLBACK ClientProcessCallback (ClientAlgorithmContext* const instancesBegin[], const void* const instancesEnd)
{
    ignoreUnused (instancesBegin, instancesEnd);
}

[[maybe_unused]] void DescribesAComponent (AAX_IComponentDescriptor& desc, AAX_EStemFormat format)
{
    const AAX_CTypeID meterIDs[] = {0x4D657472u + static_cast<AAX_CTypeID> (0)};

    desc.AddAudioIn (inputChannels);
    desc.AddAudioOut (outputChannels);
    desc.AddAudioBufferLength (bufferSize);
    desc.AddDataInPort (bypass, sizeof (int32_t));
    desc.AddPrivateData (pluginInstance, sizeof (void*));
    desc.AddPrivateData (preparedFlag, sizeof (int32_t));
    desc.AddMeters (meterTapBuffers, meterIDs, 1u);
    desc.AddPrivateData (sideChainBuffers, sizeof (uintptr_t));
    desc.AddSideChainIn (sideChainBuffers);
    desc.AddAuxOutputStem (0, static_cast<int32_t> (format), String ("Aux").toRawUTF8());

    AAX_IPropertyMap* const properties = desc.NewPropertyMap();
    properties->AddProperty (AAX_eProperty_ManufacturerID, 0x4D616E75);
    properties->AddProperty (AAX_eProperty_CanBypass, true);
    properties->AddProperty (AAX_eProperty_InputStemFormat, static_cast<AAX_CPropertyValue> (format));
    properties->AddProperty (AAX_eProperty_Constraint_MultiMonoSupport, false);
    properties->AddProperty (AAX_eProperty_Meter_Type, AAX_eMeterType_Input);

    desc.AddProcessProc_Native (ClientProcessCallback, properties);
}

[[maybe_unused]] bool HostSupportsStemFormat (AAX_EStemFormat stemFormat, const AAX_IFeatureInfo* featureInfo)
{
    AAX_ESupportLevel supportLevel;

    if (featureInfo->SupportLevel (supportLevel) == AAX_SUCCESS && supportLevel == AAX_eSupportLevel_ByProperty)
    {
        std::unique_ptr<const AAX_IPropertyMap> props (featureInfo->AcquireProperties());

        if (props != nullptr && props->GetProperty ((AAX_EProperty)stemFormat, (AAX_CPropertyValue*)&supportLevel) != 0)
            return supportLevel == AAX_eSupportLevel_Supported;
    }

    return AAX_STEM_FORMAT_INDEX (stemFormat) <= 12;
}

class ClientGUI : public AAX_CEffectGUI
{
public:
    ClientGUI() = default;
    ~ClientGUI() override { DeleteViewContainer(); }

    static AAX_IEffectGUI* AAX_CALLBACK Create() { return new ClientGUI(); }

    void CreateViewContents() override {}

    void CreateViewContainer() override
    {
        if (void* nativeViewToAttachTo = GetViewContainerPtr())
            if (GetViewContainerType() == AAX_eViewContainer_Type_HWND)
                ignoreUnused (nativeViewToAttachTo);
    }

    void DeleteViewContainer() override {}

    AAX_Result GetViewSize (AAX_Point* viewSize) const override
    {
        *viewSize = {523.0f, 218.0f};
        return AAX_SUCCESS;
    }

    AAX_Result ParameterUpdated (AAX_CParamID) override { return AAX_SUCCESS; }

    AAX_Result SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean isHighlighted, AAX_EHighlightColor colour) override
    {
        ignoreUnused (isHighlighted != 0, colour == AAX_eHighlightColor_Red);
        return AAX_SUCCESS;
    }

    int ModifiersOfTheView() const
    {
        uint32 aaxViewMods = 0;

        if (auto* viewContainer = GetViewContainer())
            const_cast<AAX_IViewContainer*> (viewContainer)->GetModifiers (&aaxViewMods);

        return (aaxViewMods & AAX_eModifiers_Shift) != 0 || (aaxViewMods & AAX_eModifiers_Alt) != 0 ? 1 : 0;
    }

    template <typename MethodType>
    void CallMouseMethod (AAX_CParamID paramID, MethodType method)
    {
        if (auto* vc = GetViewContainer())
        {
            uint32_t mods = 0;
            vc->GetModifiers (&mods);
            (vc->*method) (paramID, mods);
        }
    }

    void MouseDownDragUp (AAX_CParamID paramID)
    {
        CallMouseMethod (paramID, &AAX_IViewContainer::HandleParameterMouseDown);
        CallMouseMethod (paramID, &AAX_IViewContainer::HandleParameterMouseDrag);
        CallMouseMethod (paramID, &AAX_IViewContainer::HandleParameterMouseUp);

        auto newSize = AAX_Point{523.0f, 218.0f};
        ignoreUnused (GetViewContainer()->SetViewSize (newSize) == AAX_SUCCESS);
    }

    bool HasProcessor() const { return dynamic_cast<const ClientProcessor*> (GetEffectParameters()) != nullptr; }
    ClientProcessor* Processor() { return dynamic_cast<ClientProcessor*> (GetEffectParameters()); }
};

[[maybe_unused]] void DescribesTheEffect (AAX_IEffectDescriptor& descriptor, const AAX_IFeatureInfo* featureInfo)
{
    descriptor.AddName ("TAVRO Vantrel");
    descriptor.AddCategory (0);
    descriptor.AddResourceInfo (AAX_eResourceType_PageTable, "PageTable.xml");

    if (auto* meterProperties = descriptor.NewPropertyMap())
    {
        meterProperties->AddProperty (AAX_eProperty_Meter_Orientation, AAX_eMeterOrientation_TopRight);
        descriptor.AddMeterDescription (0x4D657472u, "Meter", meterProperties);
    }

    descriptor.AddProcPtr ((void*)ClientGUI::Create, kAAX_ProcPtrID_Create_EffectGUI);
    descriptor.AddProcPtr ((void*)CreateProcessor, kAAX_ProcPtrID_Create_EffectParameters);

    if (auto* desc = descriptor.NewComponentDescriptor())
    {
        if (HostSupportsStemFormat (AAX_eStemFormat_Stereo, featureInfo))
            DescribesAComponent (*desc, AAX_eStemFormat_Stereo);

        descriptor.AddComponent (desc);
    }
}

[[maybe_unused]] AAX_Result DescribesThePlugIn (AAX_ICollection* collection)
{
    std::unique_ptr<const AAX_IFeatureInfo> stemFormatFeatureInfo;

    if (const auto* hostDescription = collection->DescriptionHost())
        stemFormatFeatureInfo.reset (hostDescription->AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));

    if (auto* descriptor = collection->NewDescriptor())
    {
        DescribesTheEffect (*descriptor, stemFormatFeatureInfo.get());
        collection->AddEffect ("com.tavro.vantrel", descriptor);
        collection->SetManufacturerName ("Tavro Audio");
        collection->AddPackageName ("Vantrel");
        collection->AddPackageName ("TAVRO Vantrel");
        collection->SetPackageVersion (0x10005);
        return AAX_SUCCESS;
    }

    return AAX_ERROR_NULL_OBJECT;
}
}
