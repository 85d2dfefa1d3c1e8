#pragma once

#include "HostObject.h"
#include "HostState.h"

#include <AAX_IACFDescriptionHost.h>

namespace aaxhost
{
/** The host's description services: answers which stem formats the host takes. */
class HostDescriptionHost final : public HostObject<AAX_IACFDescriptionHost>
{
public:
    explicit HostDescriptionHost (HostState& state);

    AAX_Result AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** outFeatureInfo) override;

private:
    HostState& state;
};
}
