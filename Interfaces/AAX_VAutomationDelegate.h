#ifndef AAX_VAUTOMATIONDELEGATE_H
#define AAX_VAUTOMATIONDELEGATE_H

#include "AAX_IAutomationDelegate.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_CHostInterfaceRef.h"

/** The host's automation delegate. Every operation answers AAX_ERROR_NULL_OBJECT without the host's delegate. */
class AAX_VAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    /** Queries IID_IAAXAutomationDelegateV1 from `hostObject` (may be null). */
    explicit AAX_VAutomationDelegate (IACFUnknown* hostObject);
    ~AAX_VAutomationDelegate() override;

    AAX_Result RegisterParameter (AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter (AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostTouchRequest (AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest (AAX_CParamID parameterID) override;
    AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched) override;

    /** True when the host offers its automation delegate. */
    bool IsSupported() const noexcept { return static_cast<bool> (mIAutomationDelegate); }

private:
    AAX_CHostInterfaceRef<AAX_IACFAutomationDelegate> mIAutomationDelegate;
};

#endif
