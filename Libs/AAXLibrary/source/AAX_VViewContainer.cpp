#include "AAX_VViewContainer.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* hostObject)
{
    mIViewContainer.QueryOfferedFrom (hostObject, IID_IAAXViewContainerV1);
    mIViewContainerV2.QueryOfferedFrom (hostObject, IID_IAAXViewContainerV2);
    mIViewContainerV3.QueryOfferedFrom (hostObject, IID_IAAXViewContainerV3);
}

AAX_VViewContainer::~AAX_VViewContainer()
{
    // The GUI drops this wrapper when the host detaches its view, possibly while the host is destroying it:
    // no call may reach the host's view container from here, not even Release.
    mIViewContainerV3.Forget();
    mIViewContainerV2.Forget();
    mIViewContainer.Forget();
}

// Without a host view the value operations give answers callers treat as harmless: no kind, no view, and a
// size change that "succeeds".
int32_t AAX_VViewContainer::GetType()
{
    return mIViewContainer.CallOr (AAX_eViewContainer_Type_NULL, &AAX_IACFViewContainer::GetType);
}

void* AAX_VViewContainer::GetPtr()
{
    return mIViewContainer.CallOr (nullptr, &AAX_IACFViewContainer::GetPtr);
}

AAX_Result AAX_VViewContainer::GetModifiers (uint32_t* outModifiers)
{
    return mIViewContainer.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFViewContainer::GetModifiers, outModifiers);
}

AAX_Result AAX_VViewContainer::SetViewSize (AAX_Point& size)
{
    return mIViewContainer.CallOr (AAX_SUCCESS, &AAX_IACFViewContainer::SetViewSize, &size);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mIViewContainer.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFViewContainer::HandleParameterMouseDown,
                                   parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mIViewContainer.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFViewContainer::HandleParameterMouseDrag,
                                   parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mIViewContainer.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFViewContainer::HandleParameterMouseUp, parameterID,
                                   modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseEnter (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mIViewContainerV3.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFViewContainer_V3::HandleParameterMouseEnter,
                                     parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleParameterMouseExit (AAX_CParamID parameterID, uint32_t modifiers)
{
    return mIViewContainerV3.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFViewContainer_V3::HandleParameterMouseExit,
                                     parameterID, modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t count,
                                                                  uint32_t modifiers)
{
    return mIViewContainerV2.CallOr (AAX_ERROR_UNIMPLEMENTED,
                                     &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDown, parameterIDs, count,
                                     modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t count,
                                                                  uint32_t modifiers)
{
    return mIViewContainerV2.CallOr (AAX_ERROR_UNIMPLEMENTED,
                                     &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDrag, parameterIDs, count,
                                     modifiers);
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t count,
                                                                uint32_t modifiers)
{
    return mIViewContainerV2.CallOr (AAX_ERROR_UNIMPLEMENTED,
                                     &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseUp, parameterIDs, count,
                                     modifiers);
}
