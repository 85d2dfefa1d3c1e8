#include "FakeHost.h"

#include <cstdio>

namespace FakeHost
{
std::string Format (const char* text)
{
    return text != nullptr ? std::string (text) : std::string ("null");
}

std::string Format (const std::string& text)
{
    return text;
}

std::string Format (bool value)
{
    return value ? "true" : "false";
}

std::string Format (double value)
{
    char text[32];
    std::snprintf (text, sizeof (text), "%.17g", value); // exact: 0.1 is not 0.10000000000000001
    return text;
}

std::string Format (const _acfUID& uid)
{
    char text[40];
    std::snprintf (text, sizeof (text), "{%08X-%04X-%04X-%02X%02X%02X%02X%02X%02X%02X%02X}",
                   static_cast<unsigned> (uid.Data1), uid.Data2, uid.Data3, uid.Data4[0], uid.Data4[1], uid.Data4[2],
                   uid.Data4[3], uid.Data4[4], uid.Data4[5], uid.Data4[6], uid.Data4[7]);
    return text;
}

std::string Format (std::nullptr_t)
{
    return "null";
}

//==============================================================================
std::vector<Call> CallLog::Of (const std::string& operation, const std::string& object) const
{
    std::vector<Call> found;

    for (const auto& call : calls)
        if (call.operation == operation && (object.empty() || call.object == object))
            found.push_back (call);

    return found;
}

std::vector<Call> CallLog::On (const std::string& object) const
{
    std::vector<Call> found;

    for (const auto& call : calls)
        if (call.object == object)
            found.push_back (call);

    return found;
}

std::vector<std::string> CallLog::Operations() const
{
    std::vector<std::string> found;

    for (const auto& call : calls)
        if (call.slot > 2 || call.slot < 0)
            found.push_back (call.object + "." + call.operation);

    return found;
}

std::vector<std::string> CallLog::Summary (const std::string& object) const
{
    std::vector<std::string> found;

    for (const auto& call : On (object))
        if (call.slot > 2 || call.slot < 0)
            found.push_back (call.operation + (call.arguments.empty() ? "" : " " + call.arguments[0]));

    return found;
}

std::vector<std::string> CallLog::Leaks() const
{
    std::vector<std::string> found;

    for (const auto* object : objects)
        if (object->refCount != 0)
            found.push_back (object->name + ": " + std::to_string (object->refCount));

    return found;
}

//==============================================================================
Object::Object (CallLog& logToUse, std::string nameToUse)
    : log (logToUse)
    , name (std::move (nameToUse))
{
    log.objects.insert (this);
}

Object::~Object()
{
    log.objects.erase (this);
}

void Object::Offer (const _acfUID& iid, void* pointer, Object* owner)
{
    offered[iid] = {pointer, owner != nullptr ? owner : this};
}

void Object::Withdraw (const _acfUID& iid)
{
    offered.erase (iid);
}

ACFRESULT Object::Query (const _acfUID& iid, void** out)
{
    log.Add (name, 0, "QueryInterface", iid);
    const auto found = offered.find (iid);

    if (out == nullptr)
        return found == offered.end() ? ACF_E_NOINTERFACE : ACF_E_POINTER;

    *out = nullptr;

    if (found == offered.end())
    {
        if (iid != IID_IACFUnknown)
            return ACF_E_NOINTERFACE;

        // Every object is an unknown, whatever the policy says of its interfaces.
        *out = self;
        ++refCount;
        released = false;
        return ACF_OK;
    }

    switch (NextReply())
    {
        case Reply::fail:
            return ACF_E_NOINTERFACE;
        case Reply::succeedWithNull:
            return ACF_OK;
        case Reply::nonsense:
            return static_cast<ACFRESULT> (Number() & 0x7FFFFFFF); // "success" of no known kind
        case Reply::asSetUp:
            break;
    }

    auto [pointer, owner] = found->second;
    *out = pointer;

    if (pointer != nullptr)
    {
        ++owner->refCount;
        owner->released = false;
    }

    return ACF_OK;
}

uint32_t Object::CountedAddRef()
{
    log.Add (name, 1, "AddRef");
    released = false;
    return static_cast<uint32_t> (++refCount);
}

uint32_t Object::CountedRelease()
{
    log.Add (name, 2, "Release");
    CheckInUse ("Release");
    released = refCount == 1;
    return static_cast<uint32_t> (--refCount);
}

void Object::CheckInUse (const char* operation)
{
    if (madeForPlugin && released)
        log.misuses.push_back (name + "." + operation + " after its last release");
}

void Object::CheckPassed (IACFUnknown* object, const char* operation)
{
    if (const auto* fake = dynamic_cast<const Object*> (object);
        fake != nullptr && fake->madeForPlugin && fake->released)
        log.misuses.push_back (fake->name + " handed to " + name + "." + operation + " after its last release");
}

AAX_Result Object::FailureCode()
{
    // One of the library's own codes, or anything negative.
    const auto n = Number();
    return (n & 1) != 0 ? AAX_ERROR_NULL_OBJECT : static_cast<AAX_Result> (n | 0x80000000u);
}

AAX_Result Object::RespondWithText (Reply reply, AAX_IString* out, const std::string& proper)
{
    if (reply == Reply::fail)
        return FailureCode();

    if (out != nullptr && (reply == Reply::nonsense || answer == AAX_SUCCESS))
        out->Set (reply == Reply::nonsense ? "" : proper.c_str());

    return reply == Reply::nonsense ? AAX_SUCCESS : answer;
}

AAX_Result Object::Lend (Reply reply, IACFUnknown* object, IACFUnknown** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *out = nullptr;

    switch (reply)
    {
        case Reply::fail:
            return FailureCode();
        case Reply::succeedWithNull:
            return AAX_SUCCESS;
        case Reply::nonsense:
            *out = (Number() & 1) != 0 ? object : nullptr;
            return static_cast<AAX_Result> (Number());
        case Reply::asSetUp:
            break;
    }

    *out = object;
    return answer;
}

//==============================================================================
AAX_CBoolean PropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue)
{
    const auto reply = Note (3, "GetProperty", property);

    if (reply == Reply::fail || outValue == nullptr)
        return 0;

    if (reply == Reply::nonsense)
    {
        *outValue = static_cast<AAX_CPropertyValue> (Number());
        return static_cast<AAX_CBoolean> (Number());
    }

    const auto found = integers.find (property);

    if (found == integers.end() && !unlisted)
        return 0;

    *outValue = found != integers.end() ? found->second : *unlisted;
    return 1;
}

AAX_Result PropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                uint32_t count)
{
    // Copies every triad, as a host keeping them would.
    idArrays[property].assign (ids, ids != nullptr ? ids + count : ids);
    return Record (6, "AddPropertyWithIDArray", property, ids, count);
}

//==============================================================================
AAX_Result ComponentFactory::CreateComponent (const _acfUID& classID, IACFUnknown* outer, const _acfUID& iid,
                                              void** out)
{
    log.Add (name, 3, "CreateComponent", classID, outer, iid);

    if (out == nullptr)
        return ACF_E_POINTER;

    *out = nullptr;
    Object* object = nullptr;

    if (const auto server = served.find (classID); server != served.end())
        object = server->second;
    else if (const auto maker = makers.find (classID); maker != makers.end())
    {
        made.push_back (maker->second (static_cast<int> (made.size())));
        object = made.back().get();
        object->madeForPlugin = true;
    }
    else
        return ACF_E_NOINTERFACE;

    const auto result = object->Query (iid, out);

    if (result == ACF_OK && log.recording)
        log.calls.pop_back(); // the creation itself is the call of interest, not the query

    return result;
}

//==============================================================================
Controller::Controller (CallLog& logToUse, std::string nameToUse, int versions, int pageTableVersions)
    : HostObject (logToUse, std::move (nameToUse))
{
    OfferVersions ({IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3}, versions);

    const _acfUID pageTableIDs[] = {IID_IAAXPageTableController, IID_IAAXPageTableControllerV2};

    for (int i = 0; i < pageTableVersions; ++i)
        Offer (pageTableIDs[i], static_cast<AAX_IACFPageTableController_V2*> (this));
}

AAX_Result Controller::GetSampleRate (AAX_CSampleRate* rate)
{
    const auto reply = Note (4, "GetSampleRate", rate);

    if (reply != Reply::nonsense)
        return Respond (reply, Output<AAX_CSampleRate>{rate, sampleRate});

    // Odd rates, but finite ones of a sane size: JUCE's SmoothedValue::reset, which a processor's
    // prepareToPlay calls, turns seconds times the rate into an int, which a non-finite or enormous rate
    // overflows (undefined behaviour of the framework's, not the plug-in's).
    const AAX_CSampleRate oddRates[] = {48000.0f, 44100.0f, 96000.0f, 0.0f, -48000.0f, 1.0f, 768000.0f, 8000.0f};

    if (rate != nullptr)
        *rate = oddRates[Number() % 8];

    return AAX_SUCCESS;
}

AAX_Result Controller::PostPacket (AAX_CFieldIndex field, const void* payload, uint32_t size)
{
    // Copies the packet as a host does: a short payload shows up under AddressSanitizer.
    if (payload != nullptr && size < (1u << 16))
    {
        const auto* bytes = static_cast<const unsigned char*> (payload);
        packets.push_back ({field, std::vector<unsigned char> (bytes, bytes + size)});
    }

    return Record (12, "PostPacket", field, payload, size);
}

//==============================================================================
DescriptionHostContext::DescriptionHostContext (int propertyMapVersions, int componentDescriptorVersions)
{
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

InstanceContext::InstanceContext (bool offerAutomation)
{
    context.Withdraw (IID_IACFComponentFactory);
    context.Offer (IID_IAAXControllerV1, controller.AsUnknown(), &controller);

    if (offerAutomation)
        context.Offer (IID_IAAXAutomationDelegateV1, automation.AsUnknown(), &automation);
}
}
