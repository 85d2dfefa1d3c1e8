#include "AAX_CEffectParameters.h"
#include "AAX_Assert.h"
#include "AAX_UIDs.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <variant>
#include <vector>

namespace
{
/** Looks the parameter up by its ID and hands it to the action, whose result is returned; an ID that
    names no parameter is reported to the caller without the action being run.
*/
template <typename Manager, typename Action>
AAX_Result WithParameter (Manager& manager, AAX_CParamID iParameterID, Action&& action)
{
    auto* parameter = manager.GetParameterByID (iParameterID);

    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    return action (*parameter);
}

/** Whether a host's normalised value can be taken at all. A value beyond what a float holds is refused
    like an infinity: the parameters keep floats, and a derived data model that hands the host's value
    on as a float (JUCE's does) would hand on an infinity.
*/
bool IsUsableNormalizedValue (double value) noexcept
{
    return std::isfinite (value) && std::abs (value) <= double (FLT_MAX);
}

/** Hands a normalised value to the setter of the parameter with the given ID. A value that cannot be
    taken is refused, and the parameter keeps its value.
*/
template <typename Manager, typename Setter>
AAX_Result SetFiniteValue (Manager& manager, AAX_CParamID iParameterID, double iValue, Setter&& setter)
{
    return WithParameter (manager, iParameterID,
                          [&] (AAX_IParameter& parameter)
                          {
                              if (!IsUsableNormalizedValue (iValue))
                                  return AAX_ERROR_INVALID_ARGUMENT;

                              setter (parameter, iValue);
                              return AAX_SUCCESS;
                          });
}

/** Moves the parameter with the given ID by a normalised amount, through `apply` with the new value
    limited to 0..1. A parameter that cannot be read, or an amount that is not a finite number, is
    refused.
*/
template <typename Apply>
AAX_Result MoveByAmount (const AAX_CEffectParameters& model, AAX_CParamID iParameterID, double iAmount, Apply&& apply)
{
    double oldValue = 0.0;
    const auto result = model.GetParameterNormalizedValue (iParameterID, &oldValue);

    if (result != AAX_SUCCESS)
        return result;

    if (!std::isfinite (iAmount))
        return AAX_ERROR_INVALID_ARGUMENT;

    return apply (std::clamp (oldValue + iAmount, 0.0, 1.0));
}

/** Fills the output with what the getter reads from the parameter with the given ID. */
template <typename Manager, typename Value, typename Getter>
AAX_Result ReadParameter (Manager& manager, AAX_CParamID iParameterID, Value* oValue, Getter&& getter)
{
    if (oValue == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    return WithParameter (manager, iParameterID,
                          [&] (const AAX_IParameter& parameter)
                          {
                              *oValue = getter (parameter);
                              return AAX_SUCCESS;
                          });
}

//==============================================================================
/** A parameter's value as the controls chunk keeps it: read through the first typed getter the
    parameter answers, asked in the order float, int32, bool, double, string. A parameter that answers
    none holds nothing the chunk keeps (std::monostate).
*/
using ChunkedValue = std::variant<std::monostate, float, int32_t, bool, double, AAX_CString>;

template <typename... Handlers>
struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};

template <typename... Handlers>
Overloaded (Handlers...) -> Overloaded<Handlers...>;

ChunkedValue ReadChunkedValue (const AAX_IParameter& parameter)
{
    if (float value = 0.0f; parameter.GetValueAsFloat (&value))
        return value;

    if (int32_t value = 0; parameter.GetValueAsInt32 (&value))
        return value;

    if (bool value = false; parameter.GetValueAsBool (&value))
        return value;

    if (double value = 0.0; parameter.GetValueAsDouble (&value))
        return value;

    if (AAX_CString value; parameter.GetValueAsString (&value))
        return value;

    return {};
}

/** A stored double as a float. A finite value beyond the float's range becomes the largest float of its
    sign (converting it as it is would be undefined); one that is not finite stays so.
*/
float NarrowToFloat (double value)
{
    if (!std::isfinite (value))
        return static_cast<float> (value);

    return static_cast<float> (std::clamp (value, -double (FLT_MAX), double (FLT_MAX)));
}

/** Floats and doubles are kept as doubles, bools and int32s as int32s. */
void AddRecord (AAX_CChunkDataParser& parser, AAX_CParamID identifier, const ChunkedValue& value)
{
    std::visit (Overloaded{[] (std::monostate) {},
                           [&] (float number) { parser.AddDouble (identifier, static_cast<double> (number)); },
                           [&] (int32_t number) { parser.AddInt32 (identifier, number); },
                           [&] (bool flag) { parser.AddInt32 (identifier, flag ? 1 : 0); },
                           [&] (double number) { parser.AddDouble (identifier, number); },
                           [&] (const AAX_CString& text) { parser.AddString (identifier, text); }},
                value);
}

/** The value the chunk keeps for the identifier, as the kind of value `current` is; nothing when the
    chunk has no such record or the parameter holds nothing the chunk keeps.
*/
ChunkedValue FindRecord (AAX_CChunkDataParser& parser, AAX_CParamID identifier, const ChunkedValue& current)
{
    double number = 0.0;
    int32_t integer = 0;
    AAX_CString text;

    // Each finder writes its output before the value is taken (the condition is evaluated first).
    return std::visit (
        Overloaded{
            [] (std::monostate) { return ChunkedValue(); },
            [&] (float) {
                return parser.FindDouble (identifier, &number) ? ChunkedValue (NarrowToFloat (number)) : ChunkedValue();
            },
            [&] (int32_t) { return parser.FindInt32 (identifier, &integer) ? ChunkedValue (integer) : ChunkedValue(); },
            [&] (bool)
            { return parser.FindInt32 (identifier, &integer) ? ChunkedValue (integer != 0) : ChunkedValue(); },
            [&] (double) { return parser.FindDouble (identifier, &number) ? ChunkedValue (number) : ChunkedValue(); },
            [&] (const AAX_CString&)
            { return parser.FindString (identifier, &text) ? ChunkedValue (text) : ChunkedValue(); }},
        current);
}

/** Sets a parameter to the value its record holds, through the setter of its kind (the request road).
    A number that is not finite (a corrupt preset's NaN or infinity) is skipped.
*/
void RestoreValue (AAX_IParameter& parameter, const ChunkedValue& stored)
{
    std::visit (Overloaded{[] (std::monostate) {},
                           [&] (float number)
                           {
                               if (std::isfinite (number))
                                   parameter.SetValueWithFloat (number);
                           },
                           [&] (int32_t number) { parameter.SetValueWithInt32 (number); },
                           [&] (bool flag) { parameter.SetValueWithBool (flag); },
                           [&] (double number)
                           {
                               if (std::isfinite (number))
                                   parameter.SetValueWithDouble (number);
                           },
                           [&] (const AAX_CString& value) { parameter.SetValueWithString (value); }},
                stored);
}

/** Whether a record matches a parameter's current value. Doubles compare as floats; a parameter that
    holds nothing the chunk keeps is passed over; a missing record matches nothing.
*/
bool MatchesCurrentValue (const ChunkedValue& stored, const ChunkedValue& current)
{
    if (std::holds_alternative<std::monostate> (current))
        return true;

    if (stored.index() != current.index())
        return false;

    if (const auto* number = std::get_if<double> (&current))
        return NarrowToFloat (std::get<double> (stored)) == NarrowToFloat (*number);

    return stored == current;
}
}

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    mChunkExcludedIDs.clear();

    // The parameters unregister from the automation delegate as they go, so they go before it.
    mParameterManager.DeleteAllParameters();
}

//==============================================================================
ACFRESULT AAX_CEffectParameters::InternalQueryInterface (acfIID riid, void** ppvObjOut)
{
    if (ppvObjOut == nullptr)
        return ACF_E_POINTER;

    if (riid == IID_IAAXEffectParametersV1 || riid == IID_IAAXEffectParametersV2 ||
        riid == IID_IAAXEffectParametersV3 || riid == IID_IAAXEffectParametersV4)
    {
        *ppvObjOut = static_cast<AAX_IACFEffectParameters_V4*> (this);
        AddRef();
        return ACF_OK;
    }

    return CACFUnknown::InternalQueryInterface (riid, ppvObjOut);
}

//==============================================================================
AAX_Result AAX_CEffectParameters::Initialize (IACFUnknown* iController)
{
    auto controller = std::make_unique<AAX_VController> (iController);
    auto automation = std::make_unique<AAX_VAutomationDelegate> (iController);
    auto transport = std::make_unique<AAX_VTransport> (iController);

    // A host that initialises twice leaves parameters from the first round: they move to the new
    // wrappers before the old ones go. A host without an automation delegate would never confirm a
    // set-value request: the data model does it itself.
    mParameterManager.AttachAutomation (
        automation->IsSupported() ? static_cast<AAX_IAutomationDelegate*> (automation.get()) : &mImmediateAutomation);
    mPacketDispatcher.AttachHost (controller.get(), this);

    mHostController = std::move (controller);
    mHostAutomation = std::move (automation);
    mHostTransport = std::move (transport);

    const auto result = EffectInit();

    if (result != AAX_SUCCESS)
        return result;

    AAX_CString bypassID;
    GetMasterBypassParameter (&bypassID);
    mChunkExcludedIDs.insert (bypassID.StdString());

    int32_t numParameters = 0;
    GetNumberOfParameters (&numParameters);

    if (numParameters > 0)
    {
        mNumChunkedParameters = numParameters - static_cast<int32_t> (mChunkExcludedIDs.size());
        AAX_ASSERT (mNumChunkedParameters >= 0);
    }

    return result;
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    mParameterManager.DeleteAllParameters();

    mHostController.reset();
    mHostAutomation.reset();
    mHostTransport.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::ImmediateAutomation::PostSetValueRequest (AAX_CParamID parameterID,
                                                                            double normalizedValue) const
{
    return mOwner.UpdateParameterNormalizedValue (parameterID, normalizedValue, AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::ImmediateAutomation::GetTouchState (AAX_CParamID, AAX_CBoolean* outTouched)
{
    if (outTouched == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTouched = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived (AAX_CTypeID inNotificationType, const void* inNotificationData,
                                                        uint32_t inNotificationDataSize)
{
    if (inNotificationType == kPreviewStateNotification && inNotificationData != nullptr &&
        inNotificationDataSize >= sizeof (int32_t))
    {
        if (auto* preview = mParameterManager.GetParameterByID ("PreviewID"))
        {
            int32_t state = 0;
            std::memcpy (&state, inNotificationData, sizeof (state));
            preview->SetValueWithBool (state != 0);
        }
    }

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetNumberOfParameters (int32_t* oNumControls) const
{
    if (oNumControls == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oNumControls = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* oIDString) const
{
    if (oIDString == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto hasBypass = mParameterManager.GetParameterByID (cDefaultMasterBypassID) != nullptr;
    oIDString->Set (hasBypass ? cDefaultMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable (AAX_CParamID iParameterID,
                                                             AAX_CBoolean* oAutomatable) const
{
    if (oAutomatable == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oAutomatable = 0;

    return WithParameter (mParameterManager, iParameterID,
                          [oAutomatable] (const AAX_IParameter& parameter)
                          {
                              *oAutomatable = parameter.Automatable() ? 1 : 0;
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps (AAX_CParamID iParameterID, int32_t* oNumSteps) const
{
    if (oNumSteps == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    return WithParameter (mParameterManager, iParameterID,
                          [oNumSteps] (const AAX_IParameter& parameter)
                          {
                              const auto numSteps = parameter.GetNumberOfSteps();

                              if (numSteps > static_cast<uint32_t> (INT32_MAX))
                                  return AAX_ERROR_SIGNED_INT_OVERFLOW;

                              *oNumSteps = static_cast<int32_t> (numSteps);
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterName (AAX_CParamID iParameterID, AAX_IString* oName) const
{
    if (oName == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto* parameter = mParameterManager.GetParameterByID (iParameterID);
    oName->Set (parameter != nullptr ? parameter->Name().Get() : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength (AAX_CParamID iParameterID, AAX_IString* oName,
                                                            int32_t iNameLength) const
{
    if (oName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;

    const auto* parameter = mParameterManager.GetParameterByID (iParameterID);

    if (parameter == nullptr)
    {
        oName->Set ("");
        return AAX_SUCCESS;
    }

    const auto shortenedName = parameter->ShortenedName (iNameLength).StdString().substr (0, 255);

    if (shortenedName.empty())
        return AAX_SUCCESS;

    // The name may hold several variants of decreasing length, one per line: take the longest that fits.
    std::vector<std::string> pieces;
    size_t start = 0;

    while (start < shortenedName.length())
    {
        const auto newline = shortenedName.find ('\n', start);
        const auto end = newline == std::string::npos ? shortenedName.length() : newline;
        pieces.push_back (shortenedName.substr (start, end - start));
        start = end + 1;
    }

    size_t bestLength = 0;
    bool found = false;

    for (const auto& piece : pieces)
    {
        if (static_cast<int64_t> (piece.length()) <= static_cast<int64_t> (iNameLength) &&
            (!found || piece.length() > bestLength))
        {
            oName->Set (piece.c_str());
            bestLength = piece.length();
            found = true;
        }
    }

    if (!found)
    {
        if (iNameLength < 1)
            oName->Set ("");
        else
            oName->Set (shortenedName.substr (0, static_cast<size_t> (iNameLength)).c_str());
    }

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double* oValue) const
{
    return ReadParameter (mParameterManager, iParameterID, oValue,
                          [] (const AAX_IParameter& parameter) { return parameter.GetNormalizedDefaultValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue (AAX_CParamID iParameterID, double iValue)
{
    return SetFiniteValue (mParameterManager, iParameterID, iValue,
                           [] (AAX_IParameter& parameter, double value)
                           { parameter.SetNormalizedDefaultValue (value); });
}

AAX_Result AAX_CEffectParameters::GetParameterType (AAX_CParamID iParameterID, AAX_EParameterType* oParameterType) const
{
    return ReadParameter (mParameterManager, iParameterID, oParameterType,
                          [] (const AAX_IParameter& parameter) { return parameter.GetType(); });
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation (AAX_CParamID iParameterID,
                                                           AAX_EParameterOrientation* oParameterOrientation) const
{
    return ReadParameter (mParameterManager, iParameterID, oParameterOrientation,
                          [] (const AAX_IParameter& parameter) { return parameter.GetOrientation(); });
}

AAX_Result AAX_CEffectParameters::GetParameter (AAX_CParamID iParameterID, AAX_IParameter** oParameter)
{
    if (oParameter == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oParameter = mParameterManager.GetParameterByID (iParameterID);
    return *oParameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex (AAX_CParamID iParameterID, int32_t* oControlIndex) const
{
    if (oControlIndex == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oControlIndex = -1;

    if (iParameterID == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    for (int32_t index = 0; index < mParameterManager.NumParameters(); ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);

        if (parameter != nullptr && std::strcmp (parameter->Identifier(), iParameterID) == 0)
        {
            *oControlIndex = index;
            return AAX_SUCCESS;
        }
    }

    return AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex (int32_t iControlIndex, AAX_IString* oParameterIDString) const
{
    if (oParameterIDString == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto* parameter = mParameterManager.GetParameter (iControlIndex);

    if (parameter == nullptr)
    {
        oParameterIDString->Set ("");
        return AAX_ERROR_INVALID_PARAMETER_ID;
    }

    oParameterIDString->Set (parameter->Identifier());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo (AAX_CParamID, int32_t, int32_t* oValue) const
{
    if (oValue != nullptr)
        *oValue = 0;

    return AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetParameterValueFromString (AAX_CParamID iParameterID, double* oValue,
                                                               const AAX_IString& iValueString) const
{
    return WithParameter (mParameterManager, iParameterID,
                          [oValue, &iValueString] (const AAX_IParameter& parameter)
                          {
                              double value = 0.0;

                              if (!parameter.GetNormalizedValueFromString (AAX_CString (iValueString), &value))
                                  return AAX_ERROR_INVALID_STRING_CONVERSION;

                              if (oValue != nullptr)
                                  *oValue = value;

                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue (AAX_CParamID iParameterID, double iValue,
                                                               AAX_IString* oValueString, int32_t maxLength) const
{
    return WithParameter (mParameterManager, iParameterID,
                          [iValue, oValueString, maxLength] (const AAX_IParameter& parameter)
                          {
                              AAX_CString text;

                              if (!parameter.GetStringFromNormalizedValue (iValue, maxLength, text))
                                  return AAX_ERROR_INVALID_STRING_CONVERSION;

                              if (oValueString != nullptr)
                                  *oValueString = text;

                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString (AAX_CParamID iParameterID, AAX_IString* oValueString,
                                                           int32_t iMaxLength) const
{
    return WithParameter (mParameterManager, iParameterID,
                          [oValueString, iMaxLength] (const AAX_IParameter& parameter)
                          {
                              AAX_CString text;
                              parameter.GetValueString (iMaxLength, &text);

                              if (oValueString != nullptr)
                                  *oValueString = text;

                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue (AAX_CParamID iParameterID, double* oValuePtr) const
{
    return ReadParameter (mParameterManager, iParameterID, oValuePtr,
                          [] (const AAX_IParameter& parameter) { return parameter.GetNormalizedValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue (AAX_CParamID iParameterID, double iValue)
{
    return SetFiniteValue (mParameterManager, iParameterID, iValue,
                           [] (AAX_IParameter& parameter, double value) { parameter.SetNormalizedValue (value); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue)
{
    return MoveByAmount (*this, iParameterID, iValue,
                         [&] (double newValue) { return SetParameterNormalizedValue (iParameterID, newValue); });
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TouchParameter (AAX_CParamID iParameterID)
{
    return WithParameter (mParameterManager, iParameterID,
                          [] (AAX_IParameter& parameter)
                          {
                              parameter.Touch();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter (AAX_CParamID iParameterID)
{
    return WithParameter (mParameterManager, iParameterID,
                          [] (AAX_IParameter& parameter)
                          {
                              parameter.Release();
                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch (AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue (AAX_CParamID iParameterID, double iValue,
                                                                  AAX_EUpdateSource)
{
    return WithParameter (mParameterManager, iParameterID,
                          [this, iParameterID, iValue] (AAX_IParameter& parameter)
                          {
                              if (!IsUsableNormalizedValue (iValue))
                                  return AAX_ERROR_INVALID_ARGUMENT;

                              const auto oldValue = parameter.GetNormalizedValue();
                              parameter.UpdateNormalizedValue (iValue);

                              // Every update is sent on to the algorithm, even one that leaves the value as it was.
                              mPacketDispatcher.MarkDirty (iParameterID);

                              if (oldValue != iValue)
                                  ++mNumPlugInChanges;

                              return AAX_SUCCESS;
                          });
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative (AAX_CParamID iParameterID, double iValue)
{
    return MoveByAmount (
        *this, iParameterID, iValue,
        [&] (double newValue)
        { return UpdateParameterNormalizedValue (iParameterID, newValue, AAX_eUpdateSource_Unspecified); });
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return mPacketDispatcher.DispatchDirtyPackets();
}

AAX_Result AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* oData, uint32_t inDataSize) const
{
    if (oData != nullptr)
        std::memset (oData, 0, inDataSize);

    return AAX_SUCCESS;
}

//==============================================================================
template <typename Self, typename Visitor>
void AAX_CEffectParameters::VisitChunkedParameters (Self& self, Visitor&& visit)
{
    int32_t numParameters = 0;
    self.GetNumberOfParameters (&numParameters);

    for (int32_t index = 0; index < numParameters; ++index)
    {
        auto* parameter = self.mParameterManager.GetParameter (index);
        AAX_ASSERT (NULL != parameter);

        if (parameter == nullptr || self.IsExcludedFromChunk (parameter->Identifier()))
            continue;

        if (!visit (*parameter))
            return;
    }
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks (int32_t* oNumChunks) const
{
    if (oNumChunks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *oNumChunks = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex (int32_t iIndex, AAX_CTypeID* oChunkID) const
{
    if (oChunkID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (iIndex != 0)
    {
        *oChunkID = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }

    *oChunkID = kControlsChunkID;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkSize (AAX_CTypeID iChunkID, uint32_t* oSize) const
{
    if (oSize == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (iChunkID != kControlsChunkID)
    {
        *oSize = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }

    BuildChunkData();
    mStoredChunkSize = mChunkDataParser.GetChunkDataSize();

    if (mStoredChunkSize < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    *oSize = static_cast<uint32_t> (mStoredChunkSize);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunk (AAX_CTypeID iChunkID, AAX_SPlugInChunk* oChunk) const
{
    if (iChunkID != kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    if (oChunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    BuildChunkData();
    const auto size = mChunkDataParser.GetChunkDataSize();

    // The host made room for the size it was last told; anything else would write past its buffer.
    if (size != mStoredChunkSize || mStoredChunkSize == 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    return mChunkDataParser.GetChunkData (oChunk, size);
}

AAX_Result AAX_CEffectParameters::SetChunk (AAX_CTypeID iChunkID, const AAX_SPlugInChunk* iChunk)
{
    if (iChunkID != kControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    mChunkDataParser.LoadChunk (iChunk);

    VisitChunkedParameters (*this,
                            [this] (AAX_IParameter& parameter)
                            {
                                const auto current = ReadChunkedValue (parameter);
                                RestoreValue (parameter,
                                              FindRecord (mChunkDataParser, parameter.Identifier(), current));
                                return true;
                            });

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* iChunkP, AAX_CBoolean* oIsEqual) const
{
    if (oIsEqual == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (iChunkP == nullptr || iChunkP->fChunkID != kControlsChunkID)
    {
        *oIsEqual = 1;
        return AAX_SUCCESS;
    }

    *oIsEqual = 0;
    mChunkDataParser.LoadChunk (iChunkP);

    // The first missing record or difference ends the comparison.
    auto isEqual = true;
    VisitChunkedParameters (*this,
                            [this, &isEqual] (const AAX_IParameter& parameter)
                            {
                                const auto current = ReadChunkedValue (parameter);
                                const auto stored = FindRecord (mChunkDataParser, parameter.Identifier(), current);
                                isEqual = MatchesCurrentValue (stored, current);
                                return isEqual;
                            });

    *oIsEqual = isEqual ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges (int32_t* oNumChanges) const
{
    if (oNumChanges == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (mNumPlugInChanges >= 0)
        *oNumChanges = mNumPlugInChanges;

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveData (AAX_CTypeID, const float*, uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData (AAX_CTypeID, uint32_t, void*, uint32_t* oDataWritten) const
{
    if (oDataWritten != nullptr)
        *oDataWritten = 0;

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData (AAX_CTypeID, uint32_t, const void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::DoMIDITransfers()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t inTableType, int32_t inTablePageSize, IACFUnknown*,
                                                   IACFUnknown* ioPageTableUnknown) const
{
    AAX_VPageTable pageTable (ioPageTableUnknown);

    if (!pageTable.IsSupported())
        return AAX_SUCCESS;

    return UpdatePageTable (inTableType, inTablePageSize, pageTable);
}

//==============================================================================
AAX_Result AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t, int32_t, AAX_IPageTable&) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
AAX_IController* AAX_CEffectParameters::Controller()
{
    return mHostController.get();
}

const AAX_IController* AAX_CEffectParameters::Controller() const
{
    return mHostController.get();
}

AAX_ITransport* AAX_CEffectParameters::Transport()
{
    return mHostTransport.get();
}

const AAX_ITransport* AAX_CEffectParameters::Transport() const
{
    return mHostTransport.get();
}

//==============================================================================
void AAX_CEffectParameters::BuildChunkData() const
{
    mChunkDataParser.Clear();

    VisitChunkedParameters (*this,
                            [this] (const AAX_IParameter& parameter)
                            {
                                AddRecord (mChunkDataParser, parameter.Identifier(), ReadChunkedValue (parameter));
                                return true;
                            });
}

bool AAX_CEffectParameters::IsExcludedFromChunk (AAX_CParamID iParameterID) const
{
    return iParameterID != nullptr && mChunkExcludedIDs.count (iParameterID) != 0;
}
