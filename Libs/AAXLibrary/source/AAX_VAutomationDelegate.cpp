#include "AAX_VAutomationDelegate.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* hostObject)
{
    mIAutomationDelegate.QueryOfferedFrom (hostObject, IID_IAAXAutomationDelegateV1);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() = default;

AAX_Result AAX_VAutomationDelegate::RegisterParameter (AAX_CParamID parameterID)
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::RegisterParameter,
                                        parameterID);
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter (AAX_CParamID parameterID)
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::UnregisterParameter,
                                        parameterID);
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) const
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostSetValueRequest,
                                        parameterID, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) const
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostCurrentValue,
                                        parameterID, normalizedValue);
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest (AAX_CParamID parameterID)
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostTouchRequest,
                                        parameterID);
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest (AAX_CParamID parameterID)
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::PostReleaseRequest,
                                        parameterID);
}

AAX_Result AAX_VAutomationDelegate::GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched)
{
    return mIAutomationDelegate.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFAutomationDelegate::GetTouchState, parameterID,
                                        outTouched);
}
