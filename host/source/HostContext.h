#pragma once

#include "HostObject.h"
#include "HostState.h"

#include <IACFComponentFactory.h>

namespace aaxhost
{
/** The host's component factory: makes every host object the plug-in asks for by class identifier
    (collections, effect and component descriptors, property maps, host services, page tables).
*/
class HostComponentFactory final : public HostObject<IACFComponentFactory>
{
public:
    explicit HostComponentFactory (HostState& state);

    ACFRESULT CreateComponent (acfCLSID classID, IACFUnknown* outerObject, acfIID interfaceID,
                               void** outInterface) override;

private:
    HostState& state;
};

/** The host's own unknown, given to ACFStartup and ACFRegisterPlugin: it leads to the component factory,
    the description services and the host definition.
*/
class HostContext final : public HostObject<IACFUnknown>
{
public:
    explicit HostContext (HostState& state);

    ACFRESULT QueryInterface (acfIID interfaceID, void** out) override;

    /** How the factory query is answered from now on (ACFStartup and registration may see different hosts). */
    void setFactoryAnswer (FactoryAnswer answer) noexcept { factoryAnswer = answer; }

private:
    HostState& state;
    FactoryAnswer factoryAnswer = FactoryAnswer::offered;
    const ComPtr<IACFUnknown> factory, descriptionHost, definition;
};

/** An object that offers nothing but IACFUnknown: the host's definition. */
class HostDefinition final : public HostObject<IACFUnknown>
{
public:
    HostDefinition();
};
}
