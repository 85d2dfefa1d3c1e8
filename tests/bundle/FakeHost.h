// A minimal host for the bundle's entry functions: a host context with a component factory that
// makes host services and a description collection, each recording what the bundle does with it.
// The objects count references but never delete themselves; the test owns them.
#pragma once

#include <AAX.h>
#include <AAX_Errors.h>
#include <AAX_IACFCollection.h>
#include <AAX_IACFHostServices.h>
#include <AAX_UIDs.h>
#include <IACFComponentFactory.h>
#include <acfunknown.h>

#include <functional>
#include <string>
#include <vector>

namespace BundleTests
{
/** Reference counting shared by the fake host objects. */
template <typename Interface>
class CountedHostObject : public Interface
{
public:
    acfUInt32 AddRef() override { return static_cast<acfUInt32> (++references); }
    acfUInt32 Release() override { return static_cast<acfUInt32> (--references); }

    /** References taken and not yet released by the bundle (negative: released too often). */
    int references = 0;

protected:
    CountedHostObject() = default;
    ~CountedHostObject() = default;

    /** Hands out this object as the requested interface with a reference for the caller. */
    ACFRESULT Answer (void* object, void** out)
    {
        *out = object;
        AddRef();
        return ACF_OK;
    }

    static ACFRESULT Refuse (void** out)
    {
        *out = nullptr;
        return ACF_E_NOINTERFACE;
    }
};

/** The host's plug-in definition, which the collection hands back to the bundle for the host. */
class FakePluginDefinition final : public CountedHostObject<IACFUnknown>
{
public:
    ACFRESULT QueryInterface (acfIID iid, void** out) override
    {
        return iid == IID_IACFUnknown ? Answer (static_cast<IACFUnknown*> (this), out) : Refuse (out);
    }
};

/** Trace output and assertion reports in every version of the host services. */
class FakeHostServices final : public CountedHostObject<AAX_IACFHostServices_V3>
{
public:
    struct TraceLine
    {
        int32_t priority;
        std::string message;
    };

    ACFRESULT QueryInterface (acfIID iid, void** out) override
    {
        if (iid == IID_IACFUnknown || iid == IID_IAAXHostServicesV1 || iid == IID_IAAXHostServicesV2 ||
            iid == IID_IAAXHostServicesV3)
            return Answer (static_cast<AAX_IACFHostServices_V3*> (this), out);

        return Refuse (out);
    }

    AAX_Result Assert (const char*, int32_t, const char*) override { return AAX_SUCCESS; }

    AAX_Result Trace (int32_t priority, const char* message) override
    {
        traces.push_back ({priority, message});
        return AAX_SUCCESS;
    }

    AAX_Result StackTrace (int32_t, int32_t, const char*) override { return AAX_SUCCESS; }
    AAX_Result HandleAssertFailure (const char*, int32_t, const char*, int32_t) override { return AAX_SUCCESS; }

    std::vector<TraceLine> traces;
};

/** The host's description collection; records the plug-in's description of itself. */
class FakeCollection final : public CountedHostObject<AAX_IACFCollection>
{
public:
    ACFRESULT QueryInterface (acfIID iid, void** out) override
    {
        if (iid == IID_IACFUnknown || iid == IID_IAAXCollectionV1)
            return Answer (static_cast<AAX_IACFCollection*> (this), out);

        if (iid == IID_IACFPluginDefinition && offersPluginDefinition)
        {
            *out = static_cast<IACFUnknown*> (&definition);
            definition.AddRef();
            return ACF_OK;
        }

        return Refuse (out);
    }

    AAX_Result ReservedOperation3() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation4() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation5() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation6() override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result AddEffect (const char* effectID, IACFUnknown*) override
    {
        effectIDs.emplace_back (effectID);
        return AAX_SUCCESS;
    }

    AAX_Result SetManufacturerName (const char* name) override
    {
        if (failure)
            failure();

        manufacturerName = name;
        return AAX_SUCCESS;
    }

    AAX_Result AddPackageName (const char* name) override
    {
        packageNames.emplace_back (name);
        return AAX_SUCCESS;
    }

    AAX_Result SetPackageVersion (uint32_t version) override
    {
        packageVersion = version;
        return AAX_SUCCESS;
    }

    AAX_Result SetProperties (IACFUnknown*) override { return AAX_SUCCESS; }

    bool offersPluginDefinition = true;
    FakePluginDefinition definition;

    /** Called by SetManufacturerName when set: a host object that fails by throwing in mid-description. */
    std::function<void()> failure;

    std::vector<std::string> effectIDs;
    std::string manufacturerName;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
};

/** Creates host services and the collection; refuses every other class. */
class FakeComponentFactory final : public CountedHostObject<IACFComponentFactory>
{
public:
    struct Creation
    {
        acfUID classID;
        acfUID interfaceID;
    };

    ACFRESULT QueryInterface (acfIID iid, void** out) override
    {
        if (iid == IID_IACFUnknown || iid == IID_IACFComponentFactory)
            return Answer (static_cast<IACFComponentFactory*> (this), out);

        return Refuse (out);
    }

    AAX_Result CreateComponent (const _acfUID& classID, IACFUnknown*, const _acfUID& interfaceID, void** out) override
    {
        creations.push_back ({classID, interfaceID});

        if (classID == AAXCompID_HostServices && offersHostServices)
            return hostServices.QueryInterface (interfaceID, out);

        if (classID == AAXCompID_AAXCollection && offersCollection)
            return collection.QueryInterface (interfaceID, out);

        return Refuse (out);
    }

    bool offersHostServices = true;
    bool offersCollection = true;
    FakeHostServices hostServices;
    FakeCollection collection;
    std::vector<Creation> creations;
};

/** The host context handed to ACFStartup and ACFRegisterPlugin. */
class FakeHost final : public CountedHostObject<IACFUnknown>
{
public:
    enum class FactoryAnswer
    {
        factory,
        noInterface,
        successWithNull
    };

    ACFRESULT QueryInterface (acfIID iid, void** out) override
    {
        if (iid == IID_IACFComponentFactory)
        {
            ++factoryQueries;

            switch (factoryAnswer)
            {
                case FactoryAnswer::factory:
                    return factory.QueryInterface (iid, out);
                case FactoryAnswer::successWithNull:
                    *out = nullptr;
                    return ACF_OK;
                case FactoryAnswer::noInterface:
                    break;
            }
        }

        if (iid == IID_IACFUnknown)
            return Answer (static_cast<IACFUnknown*> (this), out);

        return Refuse (out);
    }

    FactoryAnswer factoryAnswer = FactoryAnswer::factory;
    FakeComponentFactory factory;
    int factoryQueries = 0;
};
} // namespace BundleTests
