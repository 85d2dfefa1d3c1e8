// The base class of the plug-in's data model.
#ifndef AAX_CEFFECTPARAMETERS_H
#define AAX_CEFFECTPARAMETERS_H

#include "AAX.h"
#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IPageTable.h"
#include "AAX_IParameter.h"
#include "AAX_ITransport.h"

#include <memory>
#include <set>
#include <string>

class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

/** The plug-in's data model as the host sees it: parameters, value texts, the controls chunk 'elck',
    coefficient packets and notifications. A derived class creates its parameters in EffectInit.

    Normalized values from the host that are not finite are refused with AAX_ERROR_INVALID_ARGUMENT.
    With a host that offers no automation delegate, the data model confirms its parameters' set-value
    requests itself, at once, through UpdateParameterNormalizedValue, as such a host would.
*/
class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    /** The identifier of the master bypass parameter, which the controls chunk leaves out. */
    static constexpr const char* cDefaultMasterBypassID = "MasterBypassID";

    /** The controls chunk's id, 'elck'. */
    static constexpr AAX_CTypeID kControlsChunkID = 0x656C636B;

    /** The notification that switches the "PreviewID" parameter, 'ASPv'. */
    static constexpr AAX_CTypeID kPreviewStateNotification = AAX_eNotificationEvent_ASPreviewState;

    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_CEffectParameters (const AAX_CEffectParameters&) = delete;
    AAX_CEffectParameters& operator= (const AAX_CEffectParameters&) = delete;

    ACF_DECLARE_STANDARD_UNKNOWN()

    //==============================================================================
    AAX_Result Initialize (IACFUnknown* iController) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID inNotificationType, const void* inNotificationData,
                                     uint32_t inNotificationDataSize) override;

    AAX_Result GetNumberOfParameters (int32_t* oNumControls) const override;
    AAX_Result GetMasterBypassParameter (AAX_IString* oIDString) const override;
    AAX_Result GetParameterIsAutomatable (AAX_CParamID iParameterID, AAX_CBoolean* oAutomatable) const override;
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID iParameterID, int32_t* oNumSteps) const override;
    AAX_Result GetParameterName (AAX_CParamID iParameterID, AAX_IString* oName) const override;
    AAX_Result GetParameterNameOfLength (AAX_CParamID iParameterID, AAX_IString* oName,
                                         int32_t iNameLength) const override;
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double* oValue) const override;
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double iValue) override;
    AAX_Result GetParameterType (AAX_CParamID iParameterID, AAX_EParameterType* oParameterType) const override;
    AAX_Result GetParameterOrientation (AAX_CParamID iParameterID,
                                        AAX_EParameterOrientation* oParameterOrientation) const override;
    AAX_Result GetParameter (AAX_CParamID iParameterID, AAX_IParameter** oParameter) override;
    AAX_Result GetParameterIndex (AAX_CParamID iParameterID, int32_t* oControlIndex) const override;
    AAX_Result GetParameterIDFromIndex (int32_t iControlIndex, AAX_IString* oParameterIDString) const override;
    AAX_Result GetParameterValueInfo (AAX_CParamID iParameterID, int32_t iSelector, int32_t* oValue) const override;

    AAX_Result GetParameterValueFromString (AAX_CParamID iParameterID, double* oValue,
                                            const AAX_IString& iValueString) const override;
    AAX_Result GetParameterStringFromValue (AAX_CParamID iParameterID, double iValue, AAX_IString* oValueString,
                                            int32_t maxLength) const override;
    AAX_Result GetParameterValueString (AAX_CParamID iParameterID, AAX_IString* oValueString,
                                        int32_t iMaxLength) const override;
    AAX_Result GetParameterNormalizedValue (AAX_CParamID iParameterID, double* oValuePtr) const override;
    AAX_Result SetParameterNormalizedValue (AAX_CParamID iParameterID, double iValue) override;
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue) override;

    AAX_Result TouchParameter (AAX_CParamID iParameterID) override;
    AAX_Result ReleaseParameter (AAX_CParamID iParameterID) override;
    AAX_Result UpdateParameterTouch (AAX_CParamID iParameterID, AAX_CBoolean iTouchState) override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID iParameterID, double iValue,
                                               AAX_EUpdateSource iSource) override;
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData (AAX_CFieldIndex inFieldIndex, void* oData, uint32_t inDataSize) const override;

    AAX_Result GetNumberOfChunks (int32_t* oNumChunks) const override;
    AAX_Result GetChunkIDFromIndex (int32_t iIndex, AAX_CTypeID* oChunkID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID iChunkID, uint32_t* oSize) const override;
    AAX_Result GetChunk (AAX_CTypeID iChunkID, AAX_SPlugInChunk* oChunk) const override;
    AAX_Result SetChunk (AAX_CTypeID iChunkID, const AAX_SPlugInChunk* iChunk) override;
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* iChunkP, AAX_CBoolean* oIsEqual) const override;
    AAX_Result GetNumberOfChanges (int32_t* oNumChanges) const override;

    AAX_Result TimerWakeup() override;

    AAX_Result GetCurveData (AAX_CTypeID iCurveType, const float* iValues, uint32_t iNumValues,
                             float* oValues) const override;
    AAX_Result GetCustomData (AAX_CTypeID iDataBlockID, uint32_t inDataSize, void* oData,
                              uint32_t* oDataWritten) const override;
    AAX_Result SetCustomData (AAX_CTypeID iDataBlockID, uint32_t inDataSize, const void* iData) override;
    AAX_Result DoMIDITransfers() override;

    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* ioRenderInfo) override;
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex inFieldIndex, AAX_CMidiPacket& iPacket) override;
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& iPacket) override;
    AAX_Result GetCurveDataMeterIds (AAX_CTypeID iCurveType, uint32_t* oXMeterId, uint32_t* oYMeterId) const override;
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID iCurveType, float* oXMin, float* oXMax, float* oYMin,
                                         float* oYMax) const override;

    AAX_Result UpdatePageTable (uint32_t inTableType, int32_t inTablePageSize, IACFUnknown* iHostUnknown,
                                IACFUnknown* ioPageTableUnknown) const override;

    ACFRESULT InternalQueryInterface (acfIID riid, void** ppvObjOut) override;

    //==============================================================================
    /** The derived class creates its parameters here; called by Initialize once the host wrappers exist. */
    virtual AAX_Result EffectInit();

    /** Fills a page table for the host; nothing to add here. */
    virtual AAX_Result UpdatePageTable (uint32_t inTableType, int32_t inTablePageSize,
                                        AAX_IPageTable& ioPageTable) const;

    //==============================================================================
    /** The host's controller and transport, which JUCE's client reaches through these; null before Initialize. */
    AAX_IController* Controller();
    const AAX_IController* Controller() const;
    AAX_ITransport* Transport();
    const AAX_ITransport* Transport() const;

protected:
    /** Fills the chunk parser with the values of every parameter that goes into the controls chunk. */
    void BuildChunkData() const;

    /** True for the parameters left out of the controls chunk. */
    bool IsExcludedFromChunk (AAX_CParamID iParameterID) const;

    /** Host value updates that changed a parameter. (JUCE's client counts its own changes here too.) */
    int32_t mNumPlugInChanges = 0;

    /** The controls-chunk size last reported by GetChunkSize. */
    mutable int32_t mStoredChunkSize = 0;

    mutable AAX_CChunkDataParser mChunkDataParser;
    int32_t mNumChunkedParameters = 0;

    /** Packets by context field, handlers by parameter identifier. */
    AAX_CPacketDispatcher mPacketDispatcher;

    /** The parameters in host order. */
    AAX_CParameterManager mParameterManager;

    std::set<std::string> mChunkExcludedIDs;

    std::unique_ptr<AAX_VController> mHostController;
    std::unique_ptr<AAX_VTransport> mHostTransport;
    std::unique_ptr<AAX_VAutomationDelegate> mHostAutomation;

private:
    /** The parameters' automation delegate when the host offers none: confirms each set-value request
        at once through the data model's UpdateParameterNormalizedValue; touches, releases and current
        values go nowhere.
    */
    class ImmediateAutomation final : public AAX_IAutomationDelegate
    {
    public:
        explicit ImmediateAutomation (AAX_CEffectParameters& owner) noexcept
            : mOwner (owner)
        {
        }

        AAX_Result RegisterParameter (AAX_CParamID) override { return AAX_SUCCESS; }
        AAX_Result UnregisterParameter (AAX_CParamID) override { return AAX_SUCCESS; }
        AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const override;
        AAX_Result PostCurrentValue (AAX_CParamID, double) const override { return AAX_SUCCESS; }
        AAX_Result PostTouchRequest (AAX_CParamID) override { return AAX_SUCCESS; }
        AAX_Result PostReleaseRequest (AAX_CParamID) override { return AAX_SUCCESS; }
        AAX_Result GetTouchState (AAX_CParamID, AAX_CBoolean* outTouched) override;

    private:
        AAX_CEffectParameters& mOwner;
    };

    /** Calls visit with every parameter that goes into the controls chunk, in host order, for as long
        as it returns true. Self is the data model, const or not, which the parameters' constness follows.
    */
    template <typename Self, typename Visitor>
    static void VisitChunkedParameters (Self& self, Visitor&& visit);

    /** Outlives the parameters, which are deleted in the destructor's body. */
    ImmediateAutomation mImmediateAutomation{*this};
};

#endif
