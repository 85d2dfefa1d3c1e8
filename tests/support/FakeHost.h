// The host as the tests and the fuzzer play it: an object for every host interface the plug-in meets. Each
// records which slot of which interface was called with which arguments, hands out only the interface
// versions it offers, and answers by a policy: as the test set it up, or as a fuzz input decides.
//
// The objects belong to the test (or to the factory that made them), never to Release: a test reads their
// counts afterwards. An object made for the plug-in that is used after its last release is noted as a
// misuse instead of being freed under the plug-in.
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
#include "AAX_IEffectParameters.h"
#include "AAX_IString.h"
#include "AAX_UIDs.h"
#include "IACFComponentFactory.h"

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace FakeHost
{
//==============================================================================
/** One call into a host object. */
struct Call
{
    std::string object; // the object's name, e.g. "collection"
    int slot = -1;      // vtable position of the operation
    std::string operation;
    std::vector<std::string> arguments;
};

/** An argument as the log keeps it: texts as they are (reading them whole, as a host does), numbers in
    decimal, pointers in hex or "null", identifiers in full.
*/
std::string Format (const char* text);
std::string Format (const std::string& text);
std::string Format (bool value);
std::string Format (double value);
std::string Format (const _acfUID& uid);
std::string Format (std::nullptr_t);

inline std::string Format (char* text)
{
    return Format (static_cast<const char*> (text));
}

inline std::string Format (float value)
{
    return Format (static_cast<double> (value));
}

template <typename T>
std::string Format (const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return std::to_string (static_cast<std::underlying_type_t<T>> (value));
    else if constexpr (std::is_pointer_v<T>)
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

//==============================================================================
/** How the host objects answer. The base answers every call as the test set the objects up; the fuzzer's
    policy takes each answer from its input.
*/
class AnswerPolicy
{
public:
    enum class Reply
    {
        asSetUp,
        fail,
        succeedWithNull, // success, but a null pointer where an object was asked for
        nonsense         // a result code no host should give, and odd output values
    };

    virtual ~AnswerPolicy() = default;

    /** The answer to the next query, creation or operation. */
    virtual Reply NextReply() { return Reply::asSetUp; }

    /** A number for failure codes and nonsense values. */
    virtual uint32_t NextNumber() { return 0; }
};

using Reply = AnswerPolicy::Reply;

class Object;

struct UIDLess
{
    bool operator() (const _acfUID& a, const _acfUID& b) const { return std::memcmp (&a, &b, sizeof (a)) < 0; }
};

/** The calls of one test, in order, shared by all objects of a host, and what the host noticed. */
class CallLog
{
public:
    template <typename... Arguments>
    void Add (const std::string& object, int slot, const char* operation, const Arguments&... arguments)
    {
        if (recording)
            calls.push_back ({object, slot, operation, {Format (arguments)...}});
        else
            (Read (arguments), ...);
    }

    /** Calls of one operation (on any object when `object` is empty), in order. */
    std::vector<Call> Of (const std::string& operation, const std::string& object = {}) const;

    /** Calls made on one object, in order. */
    std::vector<Call> On (const std::string& object) const;

    /** "object.operation" of every call, in order, leaving out the reference counting and queries. */
    std::vector<std::string> Operations() const;

    /** "operation firstArgument" of every call on one object, leaving out the reference counting and queries. */
    std::vector<std::string> Summary (const std::string& object) const;

    /** "name: count" of every host object the plug-in still holds references to (or released too often). */
    std::vector<std::string> Leaks() const;

    void Clear() { calls.clear(); }

    std::vector<Call> calls;
    std::vector<std::string> misuses; // calls on, or hand-overs of, objects after their last release
    AnswerPolicy* policy = nullptr;   // none: every answer as set up

    /** Off, the calls are not kept (a fuzzer's host, which needs the speed), but their texts are still read
        whole, as a host reads them.
    */
    bool recording = true;

private:
    template <typename T>
    static void Read (const T& argument)
    {
        if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>)
            if (argument != nullptr) [[maybe_unused]]
                volatile auto length = std::strlen (argument);
    }

    friend class Object;
    std::set<const Object*> objects;
};

//==============================================================================
/** What every host object shares: its name in the log, its references, the interfaces it hands out and the
    answer of its operations.
*/
class Object
{
public:
    Object (CallLog& logToUse, std::string nameToUse);
    virtual ~Object();

    Object (const Object&) = delete;
    Object& operator= (const Object&) = delete;

    /** Makes QueryInterface answer `iid` with `pointer` (which may be null: success with a null pointer). The
        reference goes to `owner`, the object behind `pointer` (this object unless given).
    */
    void Offer (const _acfUID& iid, void* pointer, Object* owner = nullptr);
    void Withdraw (const _acfUID& iid);

    ACFRESULT Query (const _acfUID& iid, void** out);
    uint32_t CountedAddRef();
    uint32_t CountedRelease();

    CallLog& log;
    const std::string name;
    int refCount = 0;
    AAX_Result answer = AAX_SUCCESS; // what the operations answer, unless the policy says otherwise
    bool madeForPlugin = false;      // made by the factory: the plug-in's last release ends its use

protected:
    /** Records a call and gives the policy's reply to it. */
    template <typename... Arguments>
    Reply Note (int slot, const char* operation, const Arguments&... arguments)
    {
        log.Add (name, slot, operation, arguments...);
        CheckInUse (operation);
        return NextReply();
    }

    /** Records a call of an operation without outputs and answers it. */
    template <typename... Arguments>
    AAX_Result Record (int slot, const char* operation, const Arguments&... arguments)
    {
        return Respond (Note (slot, operation, arguments...));
    }

    template <typename T>
    struct Output
    {
        T* out;
        T proper;
    };

    /** The result of a call, writing its outputs: the proper values when the call succeeds as set up, odd ones
        for nonsense, none when it fails.
    */
    template <typename... T>
    AAX_Result Respond (Reply reply, Output<T>... outputs)
    {
        if (reply == Reply::fail)
            return FailureCode();

        if (reply == Reply::nonsense)
        {
            ((outputs.out != nullptr ? void (*outputs.out = static_cast<T> (Number())) : void()), ...);
            return static_cast<AAX_Result> (Number());
        }

        if (answer == AAX_SUCCESS)
            ((outputs.out != nullptr ? void (*outputs.out = outputs.proper) : void()), ...);

        return answer;
    }

    /** Records a call with one output and answers it; the arguments recorded are the output alone unless
        given.
    */
    template <typename T, typename... Recorded>
    AAX_Result Get (int slot, const char* operation, T* out, std::common_type_t<T> proper, const Recorded&... recorded)
    {
        if constexpr (sizeof...(Recorded) == 0)
            return Respond (Note (slot, operation, out), Output<T>{out, proper});
        else
            return Respond (Note (slot, operation, recorded...), Output<T>{out, proper});
    }

    AAX_Result RespondWithText (Reply reply, AAX_IString* out, const std::string& proper);

    /** Hands out an object without a reference for the caller: the host keeps it alive. */
    AAX_Result Lend (Reply reply, IACFUnknown* object, IACFUnknown** out);

    /** A host uses the objects it is given: one the plug-in already let go of is a misuse. */
    void CheckPassed (IACFUnknown* object, const char* operation);

    Reply NextReply() { return log.policy != nullptr ? log.policy->NextReply() : Reply::asSetUp; }
    uint32_t Number() { return log.policy != nullptr ? log.policy->NextNumber() : 0; }
    AAX_Result FailureCode();

    void* self = nullptr; // the object as IACFUnknown, which it hands out for IID_IACFUnknown

private:
    void CheckInUse (const char* operation);

    std::map<_acfUID, std::pair<void*, Object*>, UIDLess> offered;
    bool released = false;
};

/** A host object of one interface (the highest version it implements; the lower ones are its bases). */
template <typename Interface>
class HostObject : public Interface, public Object
{
public:
    HostObject (CallLog& logToUse, std::string nameToUse)
        : Object (logToUse, std::move (nameToUse))
    {
        self = static_cast<IACFUnknown*> (static_cast<Interface*> (this));
    }

    ACFRESULT QueryInterface (acfIID iid, void** out) override { return Query (iid, out); }
    acfUInt32 AddRef() override { return CountedAddRef(); }
    acfUInt32 Release() override { return CountedRelease(); }

    /** The object as the host hands it to the plug-in. */
    IACFUnknown* AsUnknown() { return static_cast<IACFUnknown*> (self); }

protected:
    /** Offers the first `count` of an interface's versions, all answered by this object. */
    void OfferVersions (std::initializer_list<_acfUID> versions, int count)
    {
        for (const auto& version : versions)
            if (count-- > 0)
                Offer (version, self);
    }
};

/** A host object that offers nothing but the interfaces a test gives it (e.g. the host context). */
class Unknown : public HostObject<IACFUnknown>
{
public:
    using HostObject::HostObject;
};

//==============================================================================
class PropertyMap : public HostObject<AAX_IACFPropertyMap_V3>
{
public:
    /** Offers versions 1 to `versions`. */
    PropertyMap (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2, IID_IAAXPropertyMapV3}, versions);
    }

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) override;

    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override
    {
        if (refused.count (property) == 0)
            integers[property] = value;

        return Record (4, "AddProperty", property, value);
    }

    AAX_Result RemoveProperty (AAX_EProperty property) override
    {
        integers.erase (property);
        const auto result = Record (5, "RemoveProperty", property);
        return result == AAX_SUCCESS ? removeResult : result;
    }

    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                       uint32_t count) override;

    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                         uint32_t* outCount) override
    {
        Note (7, "GetPropertyWithIDArray", property, outIDs, outCount);
        return 0;
    }

    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) override
    {
        Note (8, "GetPointerProperty", property);
        const auto found = pointers.find (property);

        if (found == pointers.end() || outValue == nullptr)
            return 0;

        *outValue = found->second;
        return 1;
    }

    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override
    {
        pointers[property] = value;
        return Record (9, "AddPointerProperty", property, value);
    }

    std::map<int32_t, AAX_CPropertyValue> integers;
    std::map<int32_t, const void*> pointers;
    std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>> idArrays;
    std::set<int32_t> refused;                  // properties it "accepts" but does not keep
    std::optional<AAX_CPropertyValue> unlisted; // the answer for a property it does not hold, if any
    AAX_Result removeResult = AAX_SUCCESS;
};

//==============================================================================
class Collection : public HostObject<AAX_IACFCollection>
{
public:
    Collection (CallLog& logToUse, std::string nameToUse, bool offersPluginDefinition = true)
        : HostObject (logToUse, std::move (nameToUse))
    {
        Offer (IID_IAAXCollectionV1, self);

        if (offersPluginDefinition)
            Offer (IID_IACFPluginDefinition, definition.AsUnknown(), &definition);
    }

    AAX_Result ReservedOperation3() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation4() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation5() override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ReservedOperation6() override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override
    {
        CheckPassed (descriptor, "AddEffect");
        return Record (7, "AddEffect", effectID, descriptor);
    }

    AAX_Result SetManufacturerName (const char* text) override { return Record (8, "SetManufacturerName", text); }
    AAX_Result AddPackageName (const char* text) override { return Record (9, "AddPackageName", text); }
    AAX_Result SetPackageVersion (uint32_t version) override { return Record (10, "SetPackageVersion", version); }
    AAX_Result SetProperties (IACFUnknown* properties) override { return Record (11, "SetProperties", properties); }

    /** The plug-in definition the registration hands back to the host. */
    Unknown definition{log, name + ".definition"};
};

//==============================================================================
class EffectDescriptor : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    EffectDescriptor (CallLog& logToUse, std::string nameToUse, int versions = 2)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2}, versions);
    }

    AAX_Result AddComponent (IACFUnknown* component) override
    {
        CheckPassed (component, "AddComponent");
        return Record (3, "AddComponent", component);
    }

    AAX_Result AddName (const char* text) override { return Record (4, "AddName", text); }
    AAX_Result AddCategory (uint32_t category) override { return Record (5, "AddCategory", category); }
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID id) override
    {
        return Record (6, "AddCategoryBypassParameter", category, id);
    }
    AAX_Result AddProcPtr (void* pointer, AAX_CProcPtrID id) override
    {
        procedures[id] = pointer;
        return Record (7, "AddProcPtr", pointer, id);
    }
    AAX_Result SetProperties (IACFUnknown* properties) override { return Record (8, "SetProperties", properties); }
    AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override
    {
        return Record (9, "AddResourceInfo", type, info);
    }
    AAX_Result AddMeterDescription (AAX_CTypeID id, const char* meterName, IACFUnknown* properties) override
    {
        return Record (10, "AddMeterDescription", id, meterName, properties);
    }
    AAX_Result AddControlMIDINode (AAX_CTypeID id, AAX_EMIDINodeType type, const char* nodeName, uint32_t mask) override
    {
        return Record (11, "AddControlMIDINode", id, type, nodeName, mask);
    }

    std::map<AAX_CProcPtrID, void*> procedures; // as registered with AddProcPtr
};

//==============================================================================
class ComponentDescriptor : public HostObject<AAX_IACFComponentDescriptor_V3>
{
public:
    ComponentDescriptor (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2, IID_IAAXComponentDescriptorV3},
                       versions);
    }

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
        CheckPassed (properties, "AddProcessProc_Native");
        return Register (Note (16, "AddProcessProc_Native", proc, properties, init, background, outID), outID);
    }
    AAX_Result AddProcessProc_TI (const char* dll, const char* proc, IACFUnknown* properties, const char* init,
                                  const char* background, uint32_t* outID) override
    {
        CheckPassed (properties, "AddProcessProc_TI");
        return Register (Note (17, "AddProcessProc_TI", dll, proc, properties, init, background, outID), outID);
    }
    AAX_Result AddMeters (AAX_CFieldIndex i, const AAX_CTypeID* ids, uint32_t count) override
    {
        // Reads every identifier, as a host copying them would.
        meterIDs.assign (ids, ids != nullptr ? ids + count : ids);
        return Record (18, "AddMeters", i, ids, count);
    }
    AAX_Result AddTemporaryData (AAX_CFieldIndex i, uint32_t size) override
    {
        return Record (19, "AddTemporaryData", i, size);
    }
    AAX_Result AddProcessProc (IACFUnknown* properties, uint32_t* ids, int32_t capacity) override
    {
        CheckPassed (properties, "AddProcessProc");
        return Record (20, "AddProcessProc", properties, ids, capacity);
    }

    uint32_t nextProcID = 101;
    AAX_Result registrationResult = AAX_SUCCESS;
    std::vector<AAX_CTypeID> meterIDs;

private:
    AAX_Result Register (Reply reply, uint32_t* outID)
    {
        const auto result = Respond (reply, Output<uint32_t>{outID, nextProcID++});
        return result == AAX_SUCCESS ? registrationResult : result;
    }
};

//==============================================================================
class FeatureInfo : public HostObject<AAX_IACFFeatureInfo>
{
public:
    FeatureInfo (CallLog& logToUse, std::string nameToUse)
        : HostObject (logToUse, std::move (nameToUse))
    {
        Offer (IID_IAAXFeatureInfoV1, self);
    }

    AAX_Result SupportLevel (AAX_ESupportLevel* out) override
    {
        return Respond (Note (3, "SupportLevel"), Output<AAX_ESupportLevel>{out, supportLevel});
    }

    AAX_Result AcquireProperties (IACFUnknown** out) override
    {
        return Lend (Note (4, "AcquireProperties"), properties, out);
    }

    AAX_ESupportLevel supportLevel = AAX_eSupportLevel_ByProperty;
    IACFUnknown* properties = nullptr;
};

class DescriptionHost : public HostObject<AAX_IACFDescriptionHost>
{
public:
    DescriptionHost (CallLog& logToUse, std::string nameToUse)
        : HostObject (logToUse, std::move (nameToUse))
    {
        Offer (IID_IAAXDescriptionHostV1, self);
    }

    AAX_Result AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** out) override
    {
        return Lend (Note (3, "AcquireFeatureProperties", feature), featureInfo, out);
    }

    IACFUnknown* featureInfo = nullptr;
};

//==============================================================================
/** The host's component factory: makes the objects a test registered for a class identifier, or serves one
    object for every creation of a class.
*/
class ComponentFactory : public HostObject<IACFComponentFactory>
{
public:
    ComponentFactory (CallLog& logToUse, std::string nameToUse)
        : HostObject (logToUse, std::move (nameToUse))
    {
        Offer (IID_IACFComponentFactory, self);
    }

    using Maker = std::function<std::unique_ptr<Object> (int serial)>;

    /** Objects of `classID` are made by `maker`; the factory keeps them alive for the test. */
    void Register (const _acfUID& classID, Maker maker) { makers[classID] = std::move (maker); }

    /** Every creation of `classID` hands out `object` (with a reference of its own). */
    void Serve (const _acfUID& classID, Object& object) { served[classID] = &object; }

    /** Creations of `classID` fail from now on. */
    void StopMaking (const _acfUID& classID)
    {
        makers.erase (classID);
        served.erase (classID);
    }

    AAX_Result CreateComponent (const _acfUID& classID, IACFUnknown* outer, const _acfUID& iid, void** out) override;

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
    std::map<_acfUID, Object*, UIDLess> served;
};

//==============================================================================
/** The host's services in versions 1 to `versions`: records traces and assertion reports. */
class HostServices : public HostObject<AAX_IACFHostServices_V3>
{
public:
    HostServices (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXHostServicesV1, IID_IAAXHostServicesV2, IID_IAAXHostServicesV3}, versions);
    }

    AAX_Result Assert (const char* file, int32_t line, const char* note) override
    {
        return Record (3, "Assert", file, line, note);
    }
    AAX_Result Trace (int32_t priority, const char* message) override { return Record (4, "Trace", priority, message); }
    AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) override
    {
        return Record (5, "StackTrace", tracePriority, stackTracePriority, message);
    }
    AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) override
    {
        return Record (6, "HandleAssertFailure", file, line, note, flags);
    }
};

//==============================================================================
class Controller : public HostObject<AAX_IACFController_V3>, public AAX_IACFPageTableController_V2
{
public:
    /** Offers controller versions 1 to `versions` and page-table controller versions 1 to `pageTableVersions`. */
    Controller (CallLog& logToUse, std::string nameToUse, int versions = 3, int pageTableVersions = 0);

    ACFRESULT QueryInterface (acfIID iid, void** out) override { return Query (iid, out); }
    acfUInt32 AddRef() override { return CountedAddRef(); }
    acfUInt32 Release() override { return CountedRelease(); }

    AAX_Result GetEffectID (AAX_IString* s) override
    {
        return RespondWithText (Note (3, "GetEffectID", s), s, effectID);
    }
    AAX_Result GetSampleRate (AAX_CSampleRate* rate) override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* f) override
    {
        return Get (5, "GetInputStemFormat", f, inputStemFormat);
    }
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* f) override
    {
        return Get (6, "GetOutputStemFormat", f, outputStemFormat);
    }
    AAX_Result GetSignalLatency (int32_t* s) override { return Get (7, "GetSignalLatency", s, 0); }
    AAX_Result GetCycleCount (AAX_EProperty p, AAX_CPropertyValue* v) override
    {
        return Get (8, "GetCycleCount", v, 0, p, v);
    }
    AAX_Result GetTODLocation (int64_t* t) override { return Get (9, "GetTODLocation", t, 0); }
    AAX_Result SetSignalLatency (int32_t s) override { return Record (10, "SetSignalLatency", s); }
    AAX_Result SetCycleCount (AAX_EProperty* p, AAX_CPropertyValue* v, int32_t n) override
    {
        return Record (11, "SetCycleCount", p, v, n);
    }
    AAX_Result PostPacket (AAX_CFieldIndex f, const void* d, uint32_t n) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID m, float* v) override
    {
        return Get (13, "GetCurrentMeterValue", v, 0.0f, m, v);
    }
    AAX_Result GetMeterPeakValue (AAX_CTypeID m, float* v) override
    {
        return Get (14, "GetMeterPeakValue", v, 0.0f, m, v);
    }
    AAX_Result ClearMeterPeakValue (AAX_CTypeID m) override { return Record (15, "ClearMeterPeakValue", m); }
    AAX_Result GetMeterClipped (AAX_CTypeID m, AAX_CBoolean* c) override
    {
        return Get (16, "GetMeterClipped", c, 0, m, c);
    }
    AAX_Result ClearMeterClipped (AAX_CTypeID m) override { return Record (17, "ClearMeterClipped", m); }
    AAX_Result GetMeterCount (uint32_t* n) override { return Get (18, "GetMeterCount", n, 0); }
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* p, AAX_CMidiPacket* m) override
    {
        return Record (19, "GetNextMIDIPacket", p, m);
    }
    AAX_Result SendNotification (AAX_CTypeID t, const void* d, uint32_t n) override
    {
        return Record (20, "SendNotification", t, d, n);
    }
    AAX_Result GetHybridSignalLatency (int32_t* s) override { return Get (21, "GetHybridSignalLatency", s, 0); }
    AAX_Result GetCurrentAutomationTimestamp (int64_t* t) override
    {
        return Get (22, "GetCurrentAutomationTimestamp", t, 0);
    }
    AAX_Result GetHostName (AAX_IString* s) override
    {
        return RespondWithText (Note (23, "GetHostName", s), s, hostName);
    }
    AAX_Result GetPlugInTargetPlatform (int32_t* p) override { return Get (24, "GetPlugInTargetPlatform", p, 0); }
    AAX_Result GetIsAudioSuite (AAX_CBoolean* b) override { return Get (25, "GetIsAudioSuite", b, 0); }

    AAX_Result CopyTableForEffect (AAX_CPropertyValue m, AAX_CPropertyValue p, AAX_CPropertyValue i, uint32_t t,
                                   int32_t s, IACFUnknown* table) override
    {
        return Record (3, "CopyTableForEffect", m, p, i, t, s, table);
    }
    AAX_Result CopyTableForLayout (const char* e, const char* l, uint32_t t, int32_t s, IACFUnknown* table) override
    {
        return Record (4, "CopyTableForLayout", e, l, t, s, table);
    }
    AAX_Result CopyTableForEffectFromFile (const char* f, AAX_ETextEncoding x, AAX_CPropertyValue m,
                                           AAX_CPropertyValue p, AAX_CPropertyValue i, uint32_t t, int32_t s,
                                           IACFUnknown* table) override
    {
        return Record (5, "CopyTableForEffectFromFile", f, x, m, p, i, t, s, table);
    }
    AAX_Result CopyTableForLayoutFromFile (const char* f, AAX_ETextEncoding x, const char* l, uint32_t t, int32_t s,
                                           IACFUnknown* table) override
    {
        return Record (6, "CopyTableForLayoutFromFile", f, x, l, t, s, table);
    }

    struct Packet
    {
        AAX_CFieldIndex field;
        std::vector<unsigned char> bytes;
    };

    std::string effectID = "audio.tavro.vantrel", hostName = "fake host";
    AAX_CSampleRate sampleRate = 48000.0f;
    AAX_EStemFormat inputStemFormat = AAX_eStemFormat_Stereo, outputStemFormat = AAX_eStemFormat_Stereo;
    std::vector<Packet> packets; // every packet posted, copied as a host copies it
};

//==============================================================================
class PageTable : public HostObject<AAX_IACFPageTable_V2>
{
public:
    PageTable (CallLog& logToUse, std::string nameToUse, int versions = 2)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXPageTableV1, IID_IAAXPageTableV2}, versions);
    }

    AAX_Result Clear() override { return Record (3, "Clear", ""); }
    AAX_Result Empty (AAX_CBoolean* e) override { return Record (4, "Empty", e); }
    AAX_Result GetNumPages (int32_t* n) override { return Get (5, "GetNumPages", n, 3); }
    AAX_Result InsertPage (int32_t p) override { return Record (6, "InsertPage", p); }
    AAX_Result RemovePage (int32_t p) override { return Record (7, "RemovePage", p); }
    AAX_Result GetNumMappedParameterIDs (int32_t p, int32_t* n) override
    {
        return Record (8, "GetNumMappedParameterIDs", p, n);
    }
    AAX_Result ClearMappedParameter (int32_t p, int32_t s) override { return Record (9, "ClearMappedParameter", p, s); }
    AAX_Result GetMappedParameterID (int32_t p, int32_t s, AAX_IString* id) override
    {
        return Record (10, "GetMappedParameterID", p, s, id);
    }
    AAX_Result MapParameterID (AAX_CParamID id, int32_t p, int32_t s) override
    {
        return Record (11, "MapParameterID", id, p, s);
    }
    AAX_Result GetNumParametersWithNameVariations (int32_t* n) override
    {
        return Record (12, "GetNumParametersWithNameVariations", n);
    }
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t i, AAX_IString* id) override
    {
        return Record (13, "GetNameVariationParameterIDAtIndex", i, id);
    }
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID id, int32_t* n) override
    {
        return Record (14, "GetNumNameVariationsForParameter", id, n);
    }
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID id, int32_t i, AAX_IString* s, int32_t* l) override
    {
        return Record (15, "GetParameterNameVariationAtIndex", id, i, s, l);
    }
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID id, int32_t l, AAX_IString* s) override
    {
        return Record (16, "GetParameterNameVariationOfLength", id, l, s);
    }
    AAX_Result ClearParameterNameVariations() override { return Record (17, "ClearParameterNameVariations", ""); }
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID id) override
    {
        return Record (18, "ClearNameVariationsForParameter", id);
    }
    AAX_Result SetParameterNameVariation (AAX_CParamID id, const AAX_IString* s, int32_t l) override
    {
        return Record (19, "SetParameterNameVariation", id, s, l);
    }
};

//==============================================================================
/** A stopped transport at 120 bpm in 4/4. */
class Transport : public HostObject<AAX_IACFTransport_V3>
{
public:
    Transport (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXTransportV1, IID_IAAXTransportV2, IID_IAAXTransportV3}, versions);
    }

    AAX_Result GetCurrentTempo (double* t) override { return Get (3, "GetCurrentTempo", t, 120.0); }
    AAX_Result GetCurrentMeter (int32_t* n, int32_t* d) override
    {
        return Respond (Note (4, "GetCurrentMeter", n, d), Output<int32_t>{n, 4}, Output<int32_t>{d, 4});
    }
    AAX_Result IsTransportPlaying (bool* p) override { return Get (5, "IsTransportPlaying", p, false); }
    AAX_Result GetCurrentTickPosition (int64_t* t) override { return Get (6, "GetCurrentTickPosition", t, 0); }
    AAX_Result GetCurrentLoopPosition (bool* l, int64_t* s, int64_t* e) override
    {
        return Respond (Note (7, "GetCurrentLoopPosition", l, s, e), Output<bool>{l, false}, Output<int64_t>{s, 0},
                        Output<int64_t>{e, 0});
    }
    AAX_Result GetCurrentNativeSampleLocation (int64_t* s) override
    {
        return Get (8, "GetCurrentNativeSampleLocation", s, 0);
    }
    AAX_Result GetCustomTickPosition (int64_t* t, int64_t s) override
    {
        return Get (9, "GetCustomTickPosition", t, 0, t, s);
    }
    AAX_Result GetBarBeatPosition (int32_t* b, int32_t* bt, int64_t* t, int64_t s) override
    {
        return Respond (Note (10, "GetBarBeatPosition", b, bt, t, s), Output<int32_t>{b, 1}, Output<int32_t>{bt, 1},
                        Output<int64_t>{t, 0});
    }
    AAX_Result GetTicksPerQuarter (uint32_t* t) override { return Get (11, "GetTicksPerQuarter", t, 960000); }
    AAX_Result GetCurrentTicksPerBeat (uint32_t* t) override { return Get (12, "GetCurrentTicksPerBeat", t, 960000); }
    AAX_Result GetTimelineSelectionStartPosition (int64_t* s) override
    {
        return Get (13, "GetTimelineSelectionStartPosition", s, 0);
    }
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* r, int32_t* o) override
    {
        return Respond (Note (14, "GetTimeCodeInfo", r, o), Output<AAX_EFrameRate>{r, AAX_eFrameRate_Undeclared},
                        Output<int32_t>{o, 0});
    }
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* r, int64_t* o) override
    {
        return Respond (Note (15, "GetFeetFramesInfo", r, o), Output<AAX_EFeetFramesRate>{r, AAX_eFeetFramesRate_24},
                        Output<int64_t>{o, 0});
    }
    AAX_Result IsMetronomeEnabled (int32_t* e) override { return Get (16, "IsMetronomeEnabled", e, 0); }
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* r, int64_t* o) override
    {
        return Respond (Note (17, "GetHDTimeCodeInfo", r, o), Output<AAX_EFrameRate>{r, AAX_eFrameRate_Undeclared},
                        Output<int64_t>{o, 0});
    }
};

//==============================================================================
class ViewContainer : public HostObject<AAX_IACFViewContainer_V3>
{
public:
    ViewContainer (CallLog& logToUse, std::string nameToUse, int versions = 3)
        : HostObject (logToUse, std::move (nameToUse))
    {
        OfferVersions ({IID_IAAXViewContainerV1, IID_IAAXViewContainerV2, IID_IAAXViewContainerV3}, versions);
    }

    int32_t GetType() override
    {
        Note (3, "GetType");
        return AAX_eViewContainer_Type_HWND;
    }
    void* GetPtr() override
    {
        Note (4, "GetPtr");
        return &nativeView;
    }
    AAX_Result GetModifiers (uint32_t* m) override { return Record (5, "GetModifiers", m); }
    AAX_Result SetViewSize (AAX_Point* s) override { return Record (6, "SetViewSize", s->vert, s->horz); }
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t m) override
    {
        return Record (7, "HandleParameterMouseDown", id, m);
    }
    AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t m) override
    {
        return Record (8, "HandleParameterMouseDrag", id, m);
    }
    AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t m) override
    {
        return Record (9, "HandleParameterMouseUp", id, m);
    }
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t n, uint32_t m) override
    {
        return Record (10, "HandleMultipleParametersMouseDown", ids, n, m);
    }
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t n, uint32_t m) override
    {
        return Record (11, "HandleMultipleParametersMouseDrag", ids, n, m);
    }
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t n, uint32_t m) override
    {
        return Record (12, "HandleMultipleParametersMouseUp", ids, n, m);
    }
    AAX_Result HandleParameterMouseEnter (AAX_CParamID id, uint32_t m) override
    {
        return Record (13, "HandleParameterMouseEnter", id, m);
    }
    AAX_Result HandleParameterMouseExit (AAX_CParamID id, uint32_t m) override
    {
        return Record (14, "HandleParameterMouseExit", id, m);
    }

    int nativeView = 0;
};

//==============================================================================
/** The host's automation delegate. Like a host it can confirm each set-value request by updating the data
    model it was given.
*/
class AutomationDelegate : public HostObject<AAX_IACFAutomationDelegate>
{
public:
    AutomationDelegate (CallLog& logToUse, std::string nameToUse)
        : HostObject (logToUse, std::move (nameToUse))
    {
        Offer (IID_IAAXAutomationDelegateV1, self);
    }

    AAX_Result RegisterParameter (AAX_CParamID id) override { return Record (3, "RegisterParameter", id); }
    AAX_Result UnregisterParameter (AAX_CParamID id) override { return Record (4, "UnregisterParameter", id); }
    AAX_Result PostSetValueRequest (AAX_CParamID id, double v) override
    {
        const auto result = Record (5, "PostSetValueRequest", id, v);

        if (confirmTo != nullptr)
            confirmTo->UpdateParameterNormalizedValue (id, v, AAX_eUpdateSource_Unspecified);

        return result;
    }
    AAX_Result PostCurrentValue (AAX_CParamID id, double v) override { return Record (6, "PostCurrentValue", id, v); }
    AAX_Result PostTouchRequest (AAX_CParamID id) override { return Record (7, "PostTouchRequest", id); }
    AAX_Result PostReleaseRequest (AAX_CParamID id) override { return Record (8, "PostReleaseRequest", id); }
    AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* t) override
    {
        return Get (9, "GetTouchState", t, 0, id, t);
    }

    AAX_IEffectParameters* confirmTo = nullptr;
};

//==============================================================================
/** The host's unknown with its component factory, as ACFStartup, ACFRegisterPlugin and the library's wrappers
    meet it. Tests say what else the context offers and what the factory makes.
*/
struct HostContext
{
    HostContext() { context.Offer (IID_IACFComponentFactory, factory.AsUnknown(), &factory); }

    CallLog log;
    Unknown context{log, "context"};
    ComponentFactory factory{log, "factory"};
};

/** A host whose factory serves one object of host services (versions 1 to `versions`) for every creation. */
struct ServicesHost : HostContext
{
    explicit ServicesHost (int versions = 3)
        : services (log, "hostServices", versions)
    {
        factory.Serve (AAXCompID_HostServices, services);
    }

    HostServices services;
};

/** A description-time host: its factory makes collections, effect and component descriptors and property maps
    in the versions the test chooses, a new object for each creation.
*/
struct DescriptionHostContext : HostContext
{
    explicit DescriptionHostContext (int propertyMapVersions = 3, int componentDescriptorVersions = 3);

    void OfferDescriptionHost()
    {
        context.Offer (IID_IAAXDescriptionHostV1, descriptionHost.AsUnknown(), &descriptionHost);
    }

    DescriptionHost descriptionHost{log, "descriptionHost"};
};

/** The context the host hands to a data model's Initialize: it leads to the instance's controller, transport,
    automation delegate (unless left out) and the host's component factory.
*/
struct InstanceContext : HostContext
{
    explicit InstanceContext (bool offerAutomation = true);

    Controller controller{log, "controller"};
    Transport transport{log, "transport"};
    AutomationDelegate automation{log, "automation"};
};
}
