// The host-side parameter template and its value snapshot.
#ifndef AAX_CPARAMETER_H
#define AAX_CPARAMETER_H

#include "AAX.h"
#include "AAX_Assert.h"
#include "AAX_CString.h"
#include "AAX_CStringAbbreviations.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <type_traits>

/** A snapshot of one parameter's identifier and real value. */
template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    /** Identifiers are NUL-terminated texts of at most 31 characters on the host side. */
    enum : int32_t
    {
        eParemeterDefaultMaxIdentifierSize = 32
    };

    AAX_CParameterValue (AAX_CParamID identifier, T value)
        : mRealValue (value)
    {
        SetIdentifier (identifier);
    }

    AAX_CParameterValue (const AAX_CParameterValue& other)
        : AAX_IParameterValue()
        , mRealValue (other.mRealValue)
    {
        SetIdentifier (other.mIdText);
    }

    AAX_CParameterValue& operator= (const AAX_CParameterValue&) = delete;

    AAX_CParameterValue* Clone() const override { return new AAX_CParameterValue (*this); }
    AAX_CParamID Identifier() const override { return mIdText; }

    bool GetValueAsBool (bool* value) const override { return GetValueAs (value); }
    bool GetValueAsInt32 (int32_t* value) const override { return GetValueAs (value); }
    bool GetValueAsFloat (float* value) const override { return GetValueAs (value); }
    bool GetValueAsDouble (double* value) const override { return GetValueAs (value); }
    bool GetValueAsString (AAX_IString*) const override { return false; }

    const T& Get() const noexcept { return mRealValue; }
    void Set (const T& value) noexcept { mRealValue = value; }

    /** Copies an identifier, cutting it to 31 characters (reported as an assertion) when it is longer. */
    void SetIdentifier (const char* identifier)
    {
        const auto len = identifier != nullptr ? std::strlen (identifier) : 0;
        AAX_ASSERT (len < eParemeterDefaultMaxIdentifierSize);

        const auto copied = std::min (len, static_cast<size_t> (eParemeterDefaultMaxIdentifierSize - 1));

        if (copied > 0)
            std::memcpy (mIdText, identifier, copied);

        mIdText[copied] = '\0';
    }

private:
    template <typename V>
    bool GetValueAs (V* value) const
    {
        if constexpr (std::is_same_v<T, V>)
        {
            if (value == nullptr)
                return false;

            *value = mRealValue;
            return true;
        }
        else
        {
            (void)value;
            return false;
        }
    }

    char mIdText[eParemeterDefaultMaxIdentifierSize] = {};
    T mRealValue;
};

//==============================================================================
/** A parameter of value type T, with a taper between normalized and real values and a display
    between real values and text.

    Changes the plug-in makes itself take the request road: with an automation delegate they are
    sent to the host as touch, set-value request and release, and take effect when the host answers
    with UpdateNormalizedValue; without one they are applied at once.

    Values that are not finite (NaN, infinities) are refused wherever they come from: the parameter
    keeps its value and its default.
*/
template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    AAX_CParameter (AAX_CParamID identifier, const AAX_CString& name, T defaultValue,
                    const AAX_ITaperDelegate<T>& taperDelegate, const AAX_IDisplayDelegate<T>& displayDelegate,
                    bool automatable = false)
        : mNameTable (name)
        , mIsAutomatable (automatable)
        , mTaper (taperDelegate.Clone())
        , mDisplay (displayDelegate.Clone())
        , mCurrent (identifier, T())
        , mDefaultReal (defaultValue)
    {
        if (mStepCount == 0)
        {
            switch (mParamType)
            {
                case AAX_eParameterType_Continuous:
                    mStepCount = 128;
                    break;
                case AAX_eParameterType_Discrete:
                    mStepCount = 2;
                    break;
                default:
                    AAX_ASSERT (0);
                    break;
            }
        }

        SetToDefaultValue();
    }

    ~AAX_CParameter() override
    {
        // Unregistering must not throw out of a destructor.
        if (mAutomation != nullptr)
            mAutomation->UnregisterParameter (Identifier());

        mAutomation = nullptr;
    }

    AAX_CParameter (const AAX_CParameter&) = delete;
    AAX_CParameter& operator= (const AAX_CParameter&) = delete;

    AAX_IParameterValue* CloneValue() const override
    {
        return new AAX_CParameterValue<T> (Identifier(), mCurrent.Get());
    }

    //==============================================================================
    AAX_CParamID Identifier() const override { return mCurrent.Identifier(); }
    void SetName (const AAX_CString& name) override { mNameTable.SetPrimary (name); }
    const AAX_CString& Name() const override { return mNameTable.Primary(); }
    void AddShortenedName (const AAX_CString& name) override { mNameTable.Add (name); }
    const AAX_CString& ShortenedName (int32_t iNumCharacters) const override { return mNameTable.Get (iNumCharacters); }
    void ClearShortenedNames() override { mNameTable.Clear(); }

    //==============================================================================
    bool Automatable() const override { return mIsAutomatable; }

    void SetAutomationDelegate (AAX_IAutomationDelegate* iAutomationDelegate) override
    {
        if (mAutomation != nullptr)
            mAutomation->UnregisterParameter (Identifier());

        mAutomation = iAutomationDelegate;

        if (mAutomation != nullptr)
            mAutomation->RegisterParameter (Identifier());
    }

    void Touch() override
    {
        if (mAutomation != nullptr)
            mAutomation->PostTouchRequest (Identifier());
    }

    void Release() override
    {
        if (mAutomation != nullptr)
            mAutomation->PostReleaseRequest (Identifier());
    }

    //==============================================================================
    void SetNormalizedValue (double newNormalizedValue) override
    {
        if (!IsFinite (newNormalizedValue))
            return;

        const auto real = mTaper->NormalizedToReal (newNormalizedValue);
        RequestNormalizedValue (mTaper->RealToNormalized (real));
    }

    double GetNormalizedValue() const override { return mTaper->RealToNormalized (mCurrent.Get()); }

    void SetNormalizedDefaultValue (double normalizedDefault) override
    {
        if (!IsFinite (normalizedDefault))
            return;

        mDefaultReal = mTaper->ConstrainRealValue (mTaper->NormalizedToReal (normalizedDefault));
    }

    double GetNormalizedDefaultValue() const override { return mTaper->RealToNormalized (mDefaultReal); }

    void SetToDefaultValue() override { RequestNormalizedValue (mTaper->RealToNormalized (mDefaultReal)); }

    //==============================================================================
    void SetNumberOfSteps (uint32_t numSteps) override
    {
        AAX_ASSERT (0 < numSteps);

        if (numSteps > 0)
            mStepCount = numSteps;
    }

    uint32_t GetNumberOfSteps() const override { return mStepCount; }

    uint32_t GetStepValue() const override { return GetStepValueFromNormalizedValue (GetNormalizedValue()); }

    double GetNormalizedValueFromStep (uint32_t iStep) const override
    {
        const auto numSteps = GetNumberOfSteps();

        if (numSteps < 2)
            return 0.0;

        const auto stepWidth = 1.0 / double (numSteps - 1);
        const auto normalized = double (iStep) * stepWidth;
        return normalized < 0.0 ? 0.0 : (normalized > 1.0 ? 1.0 : normalized);
    }

    uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const override
    {
        const auto numSteps = GetNumberOfSteps();

        if (numSteps < 2)
            return 0;

        const auto stepWidth = 1.0 / double (numSteps - 1);
        const auto step = normalizedValue / stepWidth + 0.5;

        // Written so that NaN also lands on the first step rather than in an undefined conversion.
        if (!(step >= 0.0))
            return 0;

        if (step > double (numSteps - 1))
            return numSteps - 1;

        return static_cast<uint32_t> (step);
    }

    void SetStepValue (uint32_t iStep) override
    {
        if (GetNumberOfSteps() < 2)
            return;

        SetNormalizedValue (GetNormalizedValueFromStep (iStep));
    }

    //==============================================================================
    bool GetValueString (AAX_CString* valueString) const override
    {
        return mDisplay->ValueToString (mCurrent.Get(), valueString);
    }

    bool GetValueString (int32_t iMaxNumChars, AAX_CString* valueString) const override
    {
        return mDisplay->ValueToString (mCurrent.Get(), iMaxNumChars, valueString);
    }

    bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const override
    {
        return NormalizedFrom (value, normalizedValue);
    }

    bool GetNormalizedValueFromInt32 (int32_t value, double* normalizedValue) const override
    {
        return NormalizedFrom (value, normalizedValue);
    }

    bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const override
    {
        return NormalizedFrom (value, normalizedValue);
    }

    bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const override
    {
        return NormalizedFrom (value, normalizedValue);
    }

    bool GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const override
    {
        T value{};

        if (!mDisplay->StringToValue (valueString, &value))
            return false;

        if (normalizedValue != nullptr)
            *normalizedValue = mTaper->RealToNormalized (value);

        return true;
    }

    bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const override
    {
        return RealFrom (normalizedValue, value);
    }

    bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* value) const override
    {
        return RealFrom (normalizedValue, value);
    }

    bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const override
    {
        return RealFrom (normalizedValue, value);
    }

    bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const override
    {
        return RealFrom (normalizedValue, value);
    }

    bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const override
    {
        const auto real = mTaper->NormalizedToReal (normalizedValue);
        return mDisplay->ValueToString (real, &valueString) && IsWithinTaperRange (real);
    }

    bool GetStringFromNormalizedValue (double normalizedValue, int32_t iMaxNumChars,
                                       AAX_CString& valueString) const override
    {
        const auto real = mTaper->NormalizedToReal (normalizedValue);
        return mDisplay->ValueToString (real, iMaxNumChars, &valueString) && IsWithinTaperRange (real);
    }

    bool SetValueFromString (const AAX_CString& newValueString) override
    {
        T value{};

        if (!mDisplay->StringToValue (newValueString, &value) || !IsFinite (value))
            return false;

        RequestNormalizedValue (mTaper->RealToNormalized (value));
        return true;
    }

    //==============================================================================
    bool GetValueAsBool (bool* value) const override { return mCurrent.GetValueAsBool (value); }
    bool GetValueAsInt32 (int32_t* value) const override { return mCurrent.GetValueAsInt32 (value); }
    bool GetValueAsFloat (float* value) const override { return mCurrent.GetValueAsFloat (value); }
    bool GetValueAsDouble (double* value) const override { return mCurrent.GetValueAsDouble (value); }

    bool GetValueAsString (AAX_IString* value) const override
    {
        if (value == nullptr)
            return false;

        AAX_CString text;
        const auto converted = GetValueString (&text);

        if (converted)
            *value = text;

        return converted;
    }

    bool SetValueWithBool (bool value) override { return SetValueWith (value); }
    bool SetValueWithInt32 (int32_t value) override { return SetValueWith (value); }
    bool SetValueWithFloat (float value) override { return SetValueWith (value); }
    bool SetValueWithDouble (double value) override { return SetValueWith (value); }

    bool SetValueWithString (const AAX_IString& value) override
    {
        const AAX_CString text (value.Get());
        return SetValueFromString (text);
    }

    //==============================================================================
    void SetType (AAX_EParameterType iControlType) override { mParamType = iControlType; }
    AAX_EParameterType GetType() const override { return mParamType; }
    void SetOrientation (AAX_EParameterOrientation iOrientation) override { mOrientationFlags = iOrientation; }
    AAX_EParameterOrientation GetOrientation() const override { return mOrientationFlags; }

    //==============================================================================
    void SetTaperDelegate (AAX_ITaperDelegateBase& inTaperDelegate, bool inPreserveValue = true) override
    {
        const auto* newTaper = dynamic_cast<const AAX_ITaperDelegate<T>*> (&inTaperDelegate);

        if (newTaper == nullptr)
            return; // a taper of another value type cannot serve this parameter

        const auto normalized = GetNormalizedValue();
        mTaper.reset (newTaper->Clone());
        mNotifyPending = true;

        if (inPreserveValue)
            RequestNormalizedValue (mTaper->RealToNormalized (mCurrent.Get()));
        else
            UpdateNormalizedValue (normalized);
    }

    void SetDisplayDelegate (AAX_IDisplayDelegateBase& inDisplayDelegate) override
    {
        const auto* newDisplay = dynamic_cast<const AAX_IDisplayDelegate<T>*> (&inDisplayDelegate);

        if (newDisplay == nullptr)
            return; // a display of another value type cannot serve this parameter

        mDisplay.reset (newDisplay->Clone());

        if (mAutomation != nullptr)
            mAutomation->PostCurrentValue (Identifier(), GetNormalizedValue());
    }

    void UpdateNormalizedValue (double newNormalizedValue) override
    {
        if (!IsFinite (newNormalizedValue))
            return;

        const auto real = mTaper->NormalizedToReal (newNormalizedValue);

        if (!mNotifyPending && real == mCurrent.Get())
            return;

        mCurrent.Set (real);

        if (mAutomation != nullptr)
            mAutomation->PostCurrentValue (Identifier(), newNormalizedValue);

        mNotifyPending = false;
    }

private:
    template <typename V>
    static bool IsFinite (V value) noexcept
    {
        if constexpr (std::is_floating_point_v<V>)
            return std::isfinite (value);
        else
            return true;
    }

    /** With an automation delegate the host decides; without one the value is applied at once. */
    void RequestNormalizedValue (double normalizedValue)
    {
        if (mAutomation != nullptr)
        {
            Touch();
            mAutomation->PostSetValueRequest (Identifier(), normalizedValue);
            Release();
        }
        else
        {
            mNotifyPending = true;
            UpdateNormalizedValue (normalizedValue);
        }
    }

    bool IsWithinTaperRange (T real) const
    {
        const T minValue = mTaper->GetMinimumValue();
        const T maxValue = mTaper->GetMaximumValue();
        const T lo = minValue < maxValue ? minValue : maxValue;
        const T hi = minValue < maxValue ? maxValue : minValue;

        // Between the two ends, whichever way round the taper runs.
        return lo <= real && real <= hi;
    }

    template <typename V>
    bool SetValueWith (V value)
    {
        if constexpr (std::is_same_v<T, V>)
        {
            if (!IsFinite (value))
                return false;

            RequestNormalizedValue (mTaper->RealToNormalized (value));
            return true;
        }
        else
        {
            (void)value;
            return false;
        }
    }

    template <typename V>
    bool NormalizedFrom (V value, double* normalizedValue) const
    {
        if constexpr (std::is_same_v<T, V>)
        {
            if (normalizedValue == nullptr)
                return false;

            *normalizedValue = mTaper->RealToNormalized (value);
            return true;
        }
        else
        {
            (void)value;
            (void)normalizedValue;
            return false;
        }
    }

    template <typename V>
    bool RealFrom (double normalizedValue, V* value) const
    {
        if constexpr (std::is_same_v<T, V>)
        {
            if (value == nullptr)
                return false;

            *value = mTaper->NormalizedToReal (normalizedValue);
            return true;
        }
        else
        {
            (void)normalizedValue;
            (void)value;
            return false;
        }
    }

    AAX_CStringAbbreviations mNameTable;
    bool mIsAutomatable;
    uint32_t mStepCount = 0;
    AAX_EParameterType mParamType = AAX_eParameterType_Continuous;
    AAX_EParameterOrientation mOrientationFlags = AAX_eParameterOrientation_Default;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaper;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplay;
    AAX_IAutomationDelegate* mAutomation = nullptr;
    bool mNotifyPending = true;
    AAX_CParameterValue<T> mCurrent;
    T mDefaultReal;
};

#endif
