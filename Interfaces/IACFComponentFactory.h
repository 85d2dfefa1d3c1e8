// The host's component factory, through which the library creates host-side components.
#ifndef IACFCOMPONENTFACTORY_H
#define IACFCOMPONENTFACTORY_H

#include "acfunknown.h"

/** Obtained from the host's unknown with IID_IACFComponentFactory. */
class IACFComponentFactory : public IACFUnknown
{
public:
    /** Position 3: creates the host component clsid and hands back its interface iid with one reference. */
    virtual ACFRESULT CreateComponent (acfCLSID clsid, IACFUnknown* pUnkOuter, acfIID iid, void** ppOut) = 0;

protected:
    ~IACFComponentFactory() = default;
};

#endif
