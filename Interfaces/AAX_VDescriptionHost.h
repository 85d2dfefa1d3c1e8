#ifndef AAX_VDESCRIPTIONHOST_H
#define AAX_VDESCRIPTIONHOST_H

#include "AAX_IDescriptionHost.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_CHostInterfaceRef.h"

/** The host's description services and its definition object, both queried from the host context. */
class AAX_VDescriptionHost : public AAX_IDescriptionHost
{
public:
    explicit AAX_VDescriptionHost (IACFUnknown* hostContext);
    ~AAX_VDescriptionHost() override;

    /** Asks the host about `feature`. Null when the host has no description services, fails, or hands back no
        object. The host keeps its own reference to the object it hands back: only the interface queried from it
        is held (and released) by the returned feature information, which the caller owns.
    */
    const AAX_IFeatureInfo* AcquireFeatureProperties (const _acfUID& feature) const override;

    /** True when the host offers description services. */
    bool Supported() const noexcept { return static_cast<bool> (mDescriptionHost); }

    /** The host's description-services interface, or null (no reference added). */
    IACFUnknown* DescriptionHostInterface() const noexcept { return mDescriptionHost.Get(); }

    /** The host's definition object, or null (no reference added). */
    IACFUnknown* HostDefinition() const noexcept { return mHostDefinition.Get(); }

private:
    // The host sees these released in reverse order of declaration, so keep the order: the definition first, then the
    // description services.
    AAX_CHostInterfaceRef<AAX_IACFDescriptionHost> mDescriptionHost;
    AAX_CHostInterfaceRef<IACFUnknown> mHostDefinition;
};

#endif
