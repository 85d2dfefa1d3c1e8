#ifndef AAX_VCOLLECTION_H
#define AAX_VCOLLECTION_H

#include "AAX_ICollection.h"
#include "AAX_IACFCollection.h"
#include "AAX_VDescriptionHost.h"
#include "AAX_CHostInterfaceRef.h"

#include <memory>
#include <vector>

/** The host's description collection, which the plug-in fills during registration. It owns every effect
    descriptor and property map it makes; all of them die with it.
*/
class AAX_VCollection : public AAX_ICollection
{
public:
    /** Holds one reference on `hostContext` (may be null), looks up the host's description services and
        definition, and creates the host collection through the host's component factory.
    */
    explicit AAX_VCollection (IACFUnknown* hostContext);
    ~AAX_VCollection() override;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) override;
    AAX_Result SetManufacturerName (const char* manufacturerName) override;
    AAX_Result AddPackageName (const char* packageName) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_IDescriptionHost* DescriptionHost() override;
    const AAX_IDescriptionHost* DescriptionHost() const override;
    IACFUnknown* HostDefinition() const override;

    /** The host's collection interface, or null (no reference added). The plug-in definition the host receives
        is queried from it.
    */
    IACFUnknown* GetIUnknown() const noexcept { return mICollection.Get(); }

private:
    AAX_CHostInterfaceRef<IACFUnknown> mHostContext;
    AAX_CHostInterfaceRef<AAX_IACFCollection> mICollection;
    AAX_VDescriptionHost mDescriptionHost;
    std::vector<std::unique_ptr<AAX_IEffectDescriptor>> mEffectDescriptors;
    std::vector<std::unique_ptr<AAX_IPropertyMap>> mPropertyMaps;
};

#endif
