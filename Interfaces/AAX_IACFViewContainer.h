#ifndef AAX_IACFVIEWCONTAINER_H
#define AAX_IACFVIEWCONTAINER_H

#include "acfunknown.h"
#include "AAX.h"

/** The host's view that holds a plug-in's editor, version 1 (IID_IAAXViewContainerV1). */
class AAX_IACFViewContainer : public IACFUnknown
{
public:
    virtual int32_t GetType() = 0;                                                                  // 3
    virtual void* GetPtr() = 0;                                                                     // 4
    virtual AAX_Result GetModifiers (uint32_t* outModifiers) = 0;                                   // 5
    virtual AAX_Result SetViewSize (AAX_Point* size) = 0;                                           // 6
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) = 0; // 7
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) = 0; // 8
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) = 0;   // 9

protected:
    ~AAX_IACFViewContainer() = default;
};

/** Version 2 (IID_IAAXViewContainerV2): gestures that span several parameters. */
class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer
{
public:
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t count,
                                                          uint32_t modifiers) = 0; // 10
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t count,
                                                          uint32_t modifiers) = 0; // 11
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t count,
                                                        uint32_t modifiers) = 0; // 12

protected:
    ~AAX_IACFViewContainer_V2() = default;
};

/** Version 3 (IID_IAAXViewContainerV3): hover notifications. */
class AAX_IACFViewContainer_V3 : public AAX_IACFViewContainer_V2
{
public:
    virtual AAX_Result HandleParameterMouseEnter (AAX_CParamID parameterID, uint32_t modifiers) = 0; // 13
    virtual AAX_Result HandleParameterMouseExit (AAX_CParamID parameterID, uint32_t modifiers) = 0;  // 14

protected:
    ~AAX_IACFViewContainer_V3() = default;
};

#endif
