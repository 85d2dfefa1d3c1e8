#pragma once

#include "ComPtr.h"
#include "HostObject.h"
#include "HostPropertyMap.h"
#include "HostState.h"

#include <AAX_IACFFeatureInfo.h>

namespace aaxhost
{
/** The host's information on one feature: its support level and per-property answers. */
class HostFeatureInfo final : public HostObject<AAX_IACFFeatureInfo>
{
public:
    HostFeatureInfo (HostState& state, AAX_ESupportLevel level, ComPtr<HostPropertyMap> properties);

    AAX_Result SupportLevel (AAX_ESupportLevel* outSupportLevel) override;
    AAX_Result AcquireProperties (IACFUnknown** outProperties) override;

private:
    HostState& state;
    const AAX_ESupportLevel level;
    const ComPtr<HostPropertyMap> properties;
};
}
