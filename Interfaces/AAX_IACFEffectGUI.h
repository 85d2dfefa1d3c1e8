#ifndef AAX_IACFEFFECTGUI_H
#define AAX_IACFEFFECTGUI_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

class AAX_IString;

/** The effect-GUI interface the host calls on a plug-in's GUI object (IID_IAAXEffectGUIV1). */
class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* controller) = 0;                                                 // 3
    virtual AAX_Result Uninitialize() = 0;                                                                       // 4
    virtual AAX_Result NotificationReceived (AAX_CTypeID notificationType, const void* data, uint32_t size) = 0; // 5
    virtual AAX_Result SetViewContainer (IACFUnknown* viewContainer) = 0;                                        // 6
    virtual AAX_Result GetViewSize (AAX_Point* outViewSize) const = 0;                                           // 7
    virtual AAX_Result Draw (AAX_Rect* drawRect) = 0;                                                            // 8
    virtual AAX_Result TimerWakeup() = 0;                                                                        // 9
    virtual AAX_Result ParameterUpdated (AAX_CParamID parameterID) = 0;                                          // 10
    virtual AAX_Result GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* outString) const = 0;           // 11
    virtual AAX_Result SetControlHighlightInfo (AAX_CParamID parameterID, AAX_CBoolean isHighlighted,
                                                AAX_EHighlightColor color) = 0; // 12

protected:
    ~AAX_IACFEffectGUI() = default;
};

#endif
