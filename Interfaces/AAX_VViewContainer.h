#ifndef AAX_VVIEWCONTAINER_H
#define AAX_VVIEWCONTAINER_H

#include "AAX_IViewContainer.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_CHostInterfaceRef.h"

/** The host's view that holds the editor.

    Destroying the wrapper makes no call into the host's view container: the host may already be tearing the
    view down when it detaches the GUI, so the wrapper just forgets its interfaces.
*/
class AAX_VViewContainer : public AAX_IViewContainer
{
public:
    /** Queries view-container versions 1 to 3 from `hostObject` (may be null). */
    explicit AAX_VViewContainer (IACFUnknown* hostObject);
    ~AAX_VViewContainer() override;

    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers (uint32_t* outModifiers) override;
    AAX_Result SetViewSize (AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseEnter (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseExit (AAX_CParamID parameterID, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t count,
                                                  uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t count,
                                                  uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t count,
                                                uint32_t modifiers) override;

private:
    AAX_CHostInterfaceRef<AAX_IACFViewContainer> mIViewContainer;
    AAX_CHostInterfaceRef<AAX_IACFViewContainer_V2> mIViewContainerV2;
    AAX_CHostInterfaceRef<AAX_IACFViewContainer_V3> mIViewContainerV3;
};

#endif
