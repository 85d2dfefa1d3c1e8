// The polymorphic base of the plug-in's data model: its host interface plus reference counting.
#ifndef AAX_IEFFECTPARAMETERS_H
#define AAX_IEFFECTPARAMETERS_H

#include "AAX_IACFEffectParameters.h"
#include "CACFUnknown.h"

/** The host interface first, so that the object's address is the interface the host calls, then the
    reference-counted base. The two declarations below fix the next slots of the host's vtable:
    InternalQueryInterface at position 51 and the destructors at 52 and 53.
*/
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V4, public CACFUnknown
{
public:
    ACFRESULT InternalQueryInterface (acfIID riid, void** ppvObjOut) override = 0;
    ~AAX_IEffectParameters() override = default;
};

#endif
