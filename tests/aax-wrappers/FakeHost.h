// Fake host objects for the wrapper tests: each records which slot of which interface was called with which
// arguments, and answers only the interface versions a test gives it.
#pragma once

#include "AAX_Errors.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPageTable.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "AAX_IACFViewContainer.h"
#include "AAX_IString.h"
#include "AAX_UIDs.h"
#include "IACFComponentFactory.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace FakeHost
{
//==============================================================================
/** One call into a fake host object. */
struct Call
{
    std::string object; // the fake's name, e.g. "collection"
    int slot = -1;      // vtable position of the operation
    std::string operation;
    std::vector<std::string> arguments;
};

inline std::string Format (const char* text)
{
    return text != nullptr ? std::string (text) : std::string ("null");
}
inline std::string Format (char* text)
{
    return Format (static_cast<const char*> (text));
}
inline std::string Format (const std::string& text)
{
    return text;
}
inline std::string Format (bool value)
{
    return value ? "true" : "false";
}
inline std::string Format (double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}
inline std::string Format (float value)
{
    return Format (static_cast<double> (value));
}

inline std::string Format (const _acfUID& uid)
{
    char text[16];
    std::snprintf (text, sizeof (text), "{%08X}", static_cast<unsigned> (uid.Data1));
    return text;
}

template <typename T>
std::string Format (const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return std::to_string (static_cast<std::underlying_type_t<T>> (value));
    else if constexpr (std::is_pointer_v<T> || std::is_member_pointer_v<T>)
    {
        if (value == nullptr)
            return "null";

        std::ostringstream out;
        if constexpr (std::is_function_v<std::remove_pointer_t<T>>)
            out << reinterpret_cast<const void*> (value);
        else
            out << static_cast<const void*> (value);
        return out.str();
    }
    else
        return std::to_string (value);
}

inline std::string Format (std::nullptr_t)
{
    return "null";
}

/** The calls of one test, in order, shared by all fakes of a host. */
class CallLog
{
public:
    template <typename... Arguments>
    void Add (const std::string& object, int slot, const char* operation, const Arguments&... arguments)
    {
        calls.push_back ({object, slot, operation, {Format (arguments)...}});
    }

    /** Calls of one operation (on any object when `object` is empty), in order. */
    std::vector<Call> Of (const std::string& operation, const std::string& object = {}) const
    {
        std::vector<Call> found;

        for (const auto& call : calls)
            if (call.operation == operation && (object.empty() || call.object == object))
                found.push_back (call);

        return found;
    }

    /** Calls made on one object, in order. */
    std::vector<Call> On (const std::string& object) const
    {
        std::vector<Call> found;

        for (const auto& call : calls)
            if (call.object == object)
                found.push_back (call);

        return found;
    }

    /** "object.operation" of every call, in order, leaving out the reference counting and queries. */
    std::vector<std::string> Operations() const
    {
        std::vector<std::string> found;

        for (const auto& call : calls)
            if (call.slot > 2)
                found.push_back (call.object + "." + call.operation);

        return found;
    }

    void Clear() { calls.clear(); }

    std::vector<Call> calls;
};

//==============================================================================
struct UIDLess
{
    bool operator() (const _acfUID& a, const _acfUID& b) const { return std::memcmp (&a, &b, sizeof (_acfUID)) < 0; }
};

/** Reference counting and queries of every fake. The fake's memory belongs to the test, never to Release. */
class Object
{
public:
    Object (CallLog& logToUse, std::string nameToUse)
        : log (logToUse)
        , name (std::move (nameToUse))
    {
    }
    virtual ~Object() = default;

    /** Makes QueryInterface answer `iid` with `answer` (which may be null: success with a null pointer). The
        reference goes to `owner`, the fake behind `answer` (this object unless given).
    */
    void Offer (const _acfUID& iid, void* answer, Object* owner = nullptr)
    {
        offered[iid] = {answer, owner != nullptr ? owner : this};
    }

    ACFRESULT Query (const _acfUID& iid, void** out)
    {
        log.Add (name, 0, "QueryInterface", iid);
        const auto found = offered.find (iid);

        if (found == offered.end())
        {
            if (out != nullptr)
                *out = nullptr;

            return ACF_E_NOINTERFACE;
        }

        *out = found->second.first;

        if (found->second.first != nullptr)
            ++found->second.second->refCount;

        return ACF_OK;
    }

    uint32_t CountedAddRef()
    {
        log.Add (name, 1, "AddRef");
        return static_cast<uint32_t> (++refCount);
    }

    uint32_t CountedRelease()
    {
        log.Add (name, 2, "Release");
        return static_cast<uint32_t> (--refCount);
    }

    CallLog& log;
    const std::string name;
    int refCount = 0;

private:
    std::map<_acfUID, std::pair<void*, Object*>, UIDLess> offered;
};

#define FAKE_HOST_UNKNOWN()                                                                                            \
    ACFRESULT QueryInterface (acfIID iid, void** out) override                                                         \
    {                                                                                                                  \
        return Query (iid, out);                                                                                       \
    }                                                                                                                  \
    acfUInt32 AddRef() override                                                                                        \
    {                                                                                                                  \
        return CountedAddRef();                                                                                        \
    }                                                                                                                  \
    acfUInt32 Release() override                                                                                       \
    {                                                                                                                  \
        return CountedRelease();                                                                                       \
    }

//==============================================================================
/** A host object that offers nothing but the interfaces a test gives it (e.g. the host context). */
class Unknown : public IACFUnknown, public Object
{
public:
    using Object::Object;
    FAKE_HOST_UNKNOWN()
};

//==============================================================================
class PropertyMap : public AAX_IACFPropertyMap_V3, public Object
{
public:
    /** Offers versions 1 to `versions`. */
    PropertyMap (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : Object (logToUse, nameToUse)
    {
        if (versions >= 1)
            Offer (IID_IAAXPropertyMapV1, static_cast<AAX_IACFPropertyMap*> (this));
        if (versions >= 2)
            Offer (IID_IAAXPropertyMapV2, static_cast<AAX_IACFPropertyMap_V2*> (this));
        if (versions >= 3)
            Offer (IID_IAAXPropertyMapV3, static_cast<AAX_IACFPropertyMap_V3*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) override
    {
        log.Add (name, 3, "GetProperty", property);
        const auto found = integers.find (property);

        if (found == integers.end())
            return 0;

        *outValue = found->second;
        return 1;
    }

    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override
    {
        log.Add (name, 4, "AddProperty", property, value);

        if (refused.count (property) == 0)
            integers[property] = value;

        return AAX_SUCCESS;
    }

    AAX_Result RemoveProperty (AAX_EProperty property) override
    {
        log.Add (name, 5, "RemoveProperty", property);
        integers.erase (property);
        return removeResult;
    }

    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                       uint32_t count) override
    {
        log.Add (name, 6, "AddPropertyWithIDArray", property, ids, count);
        return AAX_SUCCESS;
    }

    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                         uint32_t* outCount) override
    {
        log.Add (name, 7, "GetPropertyWithIDArray", property, outIDs, outCount);
        return 0;
    }

    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) override
    {
        log.Add (name, 8, "GetPointerProperty", property);
        const auto found = pointers.find (property);

        if (found == pointers.end())
            return 0;

        *outValue = found->second;
        return 1;
    }

    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override
    {
        log.Add (name, 9, "AddPointerProperty", property, value);
        pointers[property] = value;
        return AAX_SUCCESS;
    }

    std::map<int32_t, AAX_CPropertyValue> integers;
    std::map<int32_t, const void*> pointers;
    std::set<int32_t> refused; // properties it "accepts" but does not keep
    AAX_Result removeResult = AAX_SUCCESS;
};

//==============================================================================
class Collection : public AAX_IACFCollection, public Object
{
public:
    Collection (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXCollectionV1, static_cast<AAX_IACFCollection*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result ReservedOperation3() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation4() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation5() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation6() override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override
    {
        log.Add (name, 7, "AddEffect", effectID, descriptor);
        return AAX_SUCCESS;
    }

    AAX_Result SetManufacturerName (const char* text) override
    {
        log.Add (name, 8, "SetManufacturerName", text);
        return AAX_SUCCESS;
    }

    AAX_Result AddPackageName (const char* text) override
    {
        log.Add (name, 9, "AddPackageName", text);
        return AAX_SUCCESS;
    }

    AAX_Result SetPackageVersion (uint32_t version) override
    {
        log.Add (name, 10, "SetPackageVersion", version);
        return AAX_SUCCESS;
    }

    AAX_Result SetProperties (IACFUnknown* properties) override
    {
        log.Add (name, 11, "SetProperties", properties);
        return AAX_SUCCESS;
    }
};

//==============================================================================
class EffectDescriptor : public AAX_IACFEffectDescriptor_V2, public Object
{
public:
    EffectDescriptor (CallLog& logToUse, std::string nameToUse, int versions = 2)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXEffectDescriptorV1, static_cast<AAX_IACFEffectDescriptor*> (this));
        if (versions >= 2)
            Offer (IID_IAAXEffectDescriptorV2, static_cast<AAX_IACFEffectDescriptor_V2*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result AddComponent (IACFUnknown* component) override
    {
        log.Add (name, 3, "AddComponent", component);
        return AAX_SUCCESS;
    }
    AAX_Result AddName (const char* text) override
    {
        log.Add (name, 4, "AddName", text);
        return AAX_SUCCESS;
    }
    AAX_Result AddCategory (uint32_t category) override
    {
        log.Add (name, 5, "AddCategory", category);
        return AAX_SUCCESS;
    }
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID id) override
    {
        log.Add (name, 6, "AddCategoryBypassParameter", category, id);
        return AAX_SUCCESS;
    }
    AAX_Result AddProcPtr (void* pointer, AAX_CProcPtrID id) override
    {
        log.Add (name, 7, "AddProcPtr", pointer, id);
        return AAX_SUCCESS;
    }
    AAX_Result SetProperties (IACFUnknown* properties) override
    {
        log.Add (name, 8, "SetProperties", properties);
        return AAX_SUCCESS;
    }
    AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override
    {
        log.Add (name, 9, "AddResourceInfo", type, info);
        return AAX_SUCCESS;
    }
    AAX_Result AddMeterDescription (AAX_CTypeID id, const char* meterName, IACFUnknown* properties) override
    {
        log.Add (name, 10, "AddMeterDescription", id, meterName, properties);
        return AAX_SUCCESS;
    }
    AAX_Result AddControlMIDINode (AAX_CTypeID id, AAX_EMIDINodeType type, const char* nodeName, uint32_t mask) override
    {
        log.Add (name, 11, "AddControlMIDINode", id, type, nodeName, mask);
        return AAX_SUCCESS;
    }
};

//==============================================================================
class ComponentDescriptor : public AAX_IACFComponentDescriptor_V3, public Object
{
public:
    ComponentDescriptor (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXComponentDescriptorV1, static_cast<AAX_IACFComponentDescriptor*> (this));
        if (versions >= 2)
            Offer (IID_IAAXComponentDescriptorV2, static_cast<AAX_IACFComponentDescriptor_V2*> (this));
        if (versions >= 3)
            Offer (IID_IAAXComponentDescriptorV3, static_cast<AAX_IACFComponentDescriptor_V3*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result Clear() override { return Record (3, "Clear"); }
    AAX_Result AddReservedField (AAX_CFieldIndex i, uint32_t t) override
    {
        return Record (4, "AddReservedField", i, t);
    }
    AAX_Result AddAudioIn (AAX_CFieldIndex i) override { return Record (5, "AddAudioIn", i); }
    AAX_Result AddAudioOut (AAX_CFieldIndex i) override { return Record (6, "AddAudioOut", i); }
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex i) override { return Record (7, "AddAudioBufferLength", i); }
    AAX_Result AddSampleRate (AAX_CFieldIndex i) override { return Record (8, "AddSampleRate", i); }
    AAX_Result AddClock (AAX_CFieldIndex i) override { return Record (9, "AddClock", i); }
    AAX_Result AddSideChainIn (AAX_CFieldIndex i) override { return Record (10, "AddSideChainIn", i); }
    AAX_Result AddDataInPort (AAX_CFieldIndex i, uint32_t size, AAX_EDataInPortType type) override
    {
        return Record (11, "AddDataInPort", i, size, type);
    }
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex i, int32_t format, const char* stemName) override
    {
        return Record (12, "AddAuxOutputStem", i, format, stemName);
    }
    AAX_Result AddPrivateData (AAX_CFieldIndex i, int32_t size, uint32_t options) override
    {
        return Record (13, "AddPrivateData", i, size, options);
    }
    AAX_Result AddDmaInstance (AAX_CFieldIndex i, AAX_IDma::EMode mode) override
    {
        return Record (14, "AddDmaInstance", i, mode);
    }
    AAX_Result AddMIDINode (AAX_CFieldIndex i, AAX_EMIDINodeType type, const char* nodeName, uint32_t mask) override
    {
        return Record (15, "AddMIDINode", i, type, nodeName, mask);
    }
    AAX_Result AddProcessProc_Native (AAX_CProcessProc proc, IACFUnknown* properties, AAX_CInstanceInitProc init,
                                      AAX_CBackgroundProc background, uint32_t* outID) override
    {
        log.Add (name, 16, "AddProcessProc_Native", proc, properties, init, background, outID);
        if (outID != nullptr)
            *outID = nextProcID++;
        return registrationResult;
    }
    AAX_Result AddProcessProc_TI (const char* dll, const char* proc, IACFUnknown* properties, const char* init,
                                  const char* background, uint32_t* outID) override
    {
        log.Add (name, 17, "AddProcessProc_TI", dll, proc, properties, init, background, outID);
        if (outID != nullptr)
            *outID = nextProcID++;
        return registrationResult;
    }
    AAX_Result AddMeters (AAX_CFieldIndex i, const AAX_CTypeID* ids, uint32_t count) override
    {
        return Record (18, "AddMeters", i, ids, count);
    }
    AAX_Result AddTemporaryData (AAX_CFieldIndex i, uint32_t size) override
    {
        return Record (19, "AddTemporaryData", i, size);
    }
    AAX_Result AddProcessProc (IACFUnknown* properties, uint32_t* ids, int32_t capacity) override
    {
        return Record (20, "AddProcessProc", properties, ids, capacity);
    }

    uint32_t nextProcID = 101;
    AAX_Result registrationResult = AAX_SUCCESS;

private:
    template <typename... Arguments>
    AAX_Result Record (int slot, const char* operation, const Arguments&... arguments)
    {
        log.Add (name, slot, operation, arguments...);
        return AAX_SUCCESS;
    }
};

//==============================================================================
class FeatureInfo : public AAX_IACFFeatureInfo, public Object
{
public:
    FeatureInfo (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXFeatureInfoV1, static_cast<AAX_IACFFeatureInfo*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result SupportLevel (AAX_ESupportLevel* out) override
    {
        log.Add (name, 3, "SupportLevel");
        *out = supportLevel;
        return AAX_SUCCESS;
    }

    AAX_Result AcquireProperties (IACFUnknown** out) override
    {
        log.Add (name, 4, "AcquireProperties");
        *out = properties;
        return acquireResult;
    }

    AAX_ESupportLevel supportLevel = AAX_eSupportLevel_ByProperty;
    IACFUnknown* properties = nullptr;
    AAX_Result acquireResult = AAX_SUCCESS;
};

class DescriptionHost : public AAX_IACFDescriptionHost, public Object
{
public:
    DescriptionHost (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXDescriptionHostV1, static_cast<AAX_IACFDescriptionHost*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** out) override
    {
        log.Add (name, 3, "AcquireFeatureProperties", feature);
        *out = featureInfo;
        return acquireResult;
    }

    IACFUnknown* featureInfo = nullptr;
    AAX_Result acquireResult = AAX_SUCCESS;
};

//==============================================================================
/** The host's component factory: makes the fakes a test registered for a class identifier. */
class ComponentFactory : public IACFComponentFactory, public Object
{
public:
    ComponentFactory (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IACFComponentFactory, static_cast<IACFComponentFactory*> (this));
    }

    FAKE_HOST_UNKNOWN()

    using Maker = std::function<std::unique_ptr<Object> (int serial)>;

    /** Objects of `classID` are made by `maker`; the factory keeps them alive for the test. */
    void Register (const _acfUID& classID, Maker maker) { makers[classID] = std::move (maker); }

    AAX_Result CreateComponent (const _acfUID& classID, IACFUnknown* outer, const _acfUID& iid, void** out) override
    {
        log.Add (name, 3, "CreateComponent", classID, outer, iid);
        *out = nullptr;
        const auto maker = makers.find (classID);

        if (maker == makers.end())
            return ACF_E_NOINTERFACE;

        made.push_back (maker->second (static_cast<int> (made.size())));
        Object& object = *made.back();
        const auto result = object.Query (iid, out);

        if (result == ACF_OK)
            object.log.calls.pop_back(); // the creation itself is the call of interest, not the query

        return result;
    }

    template <typename FakeType>
    FakeType* Made (size_t index) const
    {
        return index < made.size() ? dynamic_cast<FakeType*> (made[index].get()) : nullptr;
    }

    template <typename FakeType>
    std::vector<FakeType*> AllMade() const
    {
        std::vector<FakeType*> found;

        for (const auto& object : made)
            if (auto* typed = dynamic_cast<FakeType*> (object.get()))
                found.push_back (typed);

        return found;
    }

    std::vector<std::unique_ptr<Object>> made;

private:
    std::map<_acfUID, Maker, UIDLess> makers;
};

//==============================================================================
/** The host's services, all three versions: records traces and assertion reports. */
class HostServices : public AAX_IACFHostServices_V3, public Object
{
public:
    HostServices (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, nameToUse)
    {
        Offer (IID_IAAXHostServicesV1, static_cast<AAX_IACFHostServices*> (this));
        Offer (IID_IAAXHostServicesV2, static_cast<AAX_IACFHostServices_V2*> (this));
        Offer (IID_IAAXHostServicesV3, static_cast<AAX_IACFHostServices_V3*> (this));
    }

    FAKE_HOST_UNKNOWN()

    AAX_Result Assert (const char* file, int32_t line, const char* note) override
    {
        log.Add (name, 3, "Assert", file, line, note);
        return AAX_SUCCESS;
    }
    AAX_Result Trace (int32_t priority, const char* message) override
    {
        log.Add (name, 4, "Trace", priority, message);
        return AAX_SUCCESS;
    }
    AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) override
    {
        log.Add (name, 5, "StackTrace", tracePriority, stackTracePriority, message);
        return AAX_SUCCESS;
    }
    AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) override
    {
        log.Add (name, 6, "HandleAssertFailure", file, line, note, flags);
        return AAX_SUCCESS;
    }
};

//==============================================================================
/** A description-time host: a context offering a component factory that makes collections, effect and
    component descriptors and property maps in the versions the test chooses.
*/
struct DescriptionHostContext
{
    explicit DescriptionHostContext (int propertyMapVersions = 3, int componentDescriptorVersions = 3)
    {
        context.Offer (IID_IACFComponentFactory, static_cast<IACFComponentFactory*> (&factory), &factory);
        factory.Register (AAXCompID_AAXCollection,
                          [this] (int) { return std::make_unique<Collection> (log, "collection"); });
        factory.Register (AAXCompID_AAXEffectDescriptor, [this] (int serial)
                          { return std::make_unique<EffectDescriptor> (log, "effect" + std::to_string (serial)); });
        factory.Register (AAXCompID_AAXComponentDescriptor,
                          [this, componentDescriptorVersions] (int serial)
                          {
                              return std::make_unique<ComponentDescriptor> (log, "component" + std::to_string (serial),
                                                                            componentDescriptorVersions);
                          });
        factory.Register (
            AAXCompID_AAXPropertyMap, [this, propertyMapVersions] (int serial)
            { return std::make_unique<PropertyMap> (log, "map" + std::to_string (serial), propertyMapVersions); });
    }

    void OfferDescriptionHost()
    {
        context.Offer (IID_IAAXDescriptionHostV1, static_cast<AAX_IACFDescriptionHost*> (&descriptionHost),
                       &descriptionHost);
    }

    CallLog log;
    Unknown context{log, "context"};
    ComponentFactory factory{log, "factory"};
    DescriptionHost descriptionHost{log, "descriptionHost"};
};
}
