#ifndef AAX_VPROPERTYMAP_H
#define AAX_VPROPERTYMAP_H

#include "AAX_IPropertyMap.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_CHostInterfaceRef.h"

#include <map>

/** A property map that lives in the host.

    Operations go to the lowest host version that has them. While the host map has no version 3, the
    pointer properties that a manual process-procedure registration needs are kept here instead; while
    no description host is known, stem-format properties are checked here, since the host cannot.
*/
class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    /** Creates a map in the host through its component factory. Null without a host context or when the context
        has no factory; a map without host interfaces when the factory query gave a null factory. The caller owns
        the result.
    */
    static AAX_VPropertyMap* Create (IACFUnknown* hostContext);

    /** Wraps a map the host handed out (e.g. a feature's properties): its versions and a description host are
        queried from `hostObject`. The caller owns the result.
    */
    static AAX_VPropertyMap* Acquire (IACFUnknown* hostObject);

    ~AAX_VPropertyMap() override;

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) const override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const char* value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                       uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                         uint32_t* outCount) const override;
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_VPropertyMap() = default;

    void QueryLaterVersions();

    // Destroyed in reverse order of declaration, so keep the order: local pointers, description host, then versions 3,
    // 2 and 1.
    AAX_CHostInterfaceRef<AAX_IACFPropertyMap> mIPropertyMap;
    AAX_CHostInterfaceRef<AAX_IACFPropertyMap_V2> mIPropertyMapV2;
    AAX_CHostInterfaceRef<AAX_IACFPropertyMap_V3> mIPropertyMapV3;
    AAX_CHostInterfaceRef<AAX_IACFDescriptionHost> mIDescriptionHost;
    std::map<AAX_EProperty, const void*> mLocalPointerProperties;
};

#endif
