#ifndef AAX_IVIEWCONTAINER_H
#define AAX_IVIEWCONTAINER_H

#include "AAX.h"
#include "AAX_Enums.h"

/** The host's view that holds the plug-in's editor while its window is open. */
class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;

    /** The kind of native view (an AAX_EViewContainer_Type value), 0 when unknown. */
    virtual int32_t GetType() = 0;

    /** The native view the editor attaches to, or null. */
    virtual void* GetPtr() = 0;

    /** The modifier keys held now (AAX_EModifiers bits). */
    virtual AAX_Result GetModifiers (uint32_t* outModifiers) = 0;
    virtual AAX_Result SetViewSize (AAX_Point& size) = 0;

    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseEnter (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseExit (AAX_CParamID parameterID, uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* parameterIDs, uint32_t count,
                                                          uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* parameterIDs, uint32_t count,
                                                          uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* parameterIDs, uint32_t count,
                                                        uint32_t modifiers) = 0;
};

#endif
