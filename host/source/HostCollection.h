#pragma once

#include "Diagnostics.h"
#include "HostObject.h"
#include "PluginDescription.h"

#include <AAX_IACFCollection.h>

#include <string>

namespace aaxhost
{
/** The host's description collection; it is also the plug-in definition the registration hands back. */
class HostCollection final : public HostObject<AAX_IACFCollection>
{
public:
    explicit HostCollection (bool offersPluginDefinition, Diagnostics* callLog = nullptr);

    AAX_Result ReservedOperation3() override;
    AAX_Result ReservedOperation4() override;
    AAX_Result ReservedOperation5() override;
    AAX_Result ReservedOperation6() override;
    AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* packageName) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;

    const PluginDescription& getDescription() const noexcept { return description; }

private:
    void note (const std::string& call) const;

    Diagnostics* const log;
    PluginDescription description;
};
}
