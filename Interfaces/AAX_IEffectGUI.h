#ifndef AAX_IEFFECTGUI_H
#define AAX_IEFFECTGUI_H

#include "AAX_IACFEffectGUI.h"
#include "CACFUnknown.h"

/** The host-facing GUI object: the effect-GUI interface plus reference counting. */
class AAX_IEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    ACF_DECLARE_STANDARD_UNKNOWN()
};

#endif
