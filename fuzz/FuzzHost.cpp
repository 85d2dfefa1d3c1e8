#include "FuzzHost.h"

#include "AAX_Errors.h"
#include "AAX_IString.h"
#include "AAX_UIDs.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <typeinfo>
#include <cstring>

namespace fuzzhost
{
std::atomic<int> Host::liveObjects{0};

namespace
{
    // Every live host object, so that a failing run can say which kinds the plug-in kept.
    std::set<const IACFUnknown*>& liveObjectSet()
    {
        static std::set<const IACFUnknown*> objects;
        return objects;
    }
}

void printLiveObjects()
{
    std::fprintf (stderr, "  %zu host objects alive\n", liveObjectSet().size());
    std::map<std::string, int> counts;

    for (const auto* object : liveObjectSet())
        ++counts[typeid (*object).name()];

    for (const auto& [name, count] : counts)
        std::fprintf (stderr, "  %d alive: %s\n", count, name.c_str());
}

//==============================================================================
uint8_t Answers::byte (uint8_t whenExhausted)
{
    return next == end ? whenExhausted : *next++;
}

Reply Answers::reply()
{
    // Mostly success, so that the run gets deep into the plug-in; every other answer is common
    // enough to show up at every call site.
    switch (byte (0) % 8)
    {
        case 5:
            return Reply::fail;
        case 6:
            return Reply::succeedWithNull;
        case 7:
            return Reply::nonsense;
        default:
            return Reply::succeed;
    }
}

uint32_t Answers::number()
{
    uint32_t value = 0;

    for (int i = 0; i < 4; ++i)
        value = (value << 8) | byte (0);

    return value;
}

float Answers::sampleRate()
{
    // Odd rates, but finite ones of a sane size: JUCE's SmoothedValue::reset, which the processor's
    // prepareToPlay calls, turns seconds times the rate into an int, which a non-finite or enormous
    // rate overflows (undefined behaviour). Those rates are left out here.
    switch (byte (0) % 8)
    {
        case 1:
            return 44100.0f;
        case 2:
            return 96000.0f;
        case 3:
            return 0.0f;
        case 4:
            return -48000.0f;
        case 5:
            return 1.0f;
        case 6:
            return 768000.0f;
        case 7:
            return 8000.0f;
        default:
            return 48000.0f;
    }
}

namespace
{
    // A failure code: one of the library's own, or anything negative.
    AAX_Result failureCode (Answers& answers)
    {
        const auto n = answers.number();
        return (n & 1) != 0 ? AAX_ERROR_NULL_OBJECT : (AAX_Result)(n | 0x80000000u);
    }

    // The result of an operation without an object to hand out.
    AAX_Result answer (Host& host)
    {
        switch (host.answers.reply())
        {
            case Reply::fail:
                return failureCode (host.answers);
            case Reply::nonsense:
                return (AAX_Result)host.answers.number();
            case Reply::succeed:
            case Reply::succeedWithNull:
                break;
        }

        return AAX_SUCCESS;
    }

    // Writes an output value: the proper one on success, an odd one on nonsense.
    template <typename T>
    AAX_Result answerWith (Host& host, T* out, T proper)
    {
        const auto reply = host.answers.reply();

        if (reply == Reply::fail)
            return failureCode (host.answers);

        if (out != nullptr)
            *out = reply == Reply::nonsense ? (T)host.answers.number() : proper;

        return reply == Reply::nonsense ? (AAX_Result)host.answers.number() : AAX_SUCCESS;
    }

    //==============================================================================
    // Reference counting shared by every host object; `Interface` is the highest version the object
    // implements, and the lower versions are its bases, so one pointer serves every version.
    template <typename Interface>
    class HostObject : public Interface
    {
    public:
        explicit HostObject (Host& h)
            : host (h)
        {
            ++Host::liveObjects;
            liveObjectSet().insert (this);
        }

        virtual ~HostObject()
        {
            --Host::liveObjects;
            liveObjectSet().erase (this);
        }

        acfUInt32 AddRef() override { return ++references; }

        acfUInt32 Release() override
        {
            const auto left = --references;

            if (left == 0)
                delete this;

            return left;
        }

        ACFRESULT QueryInterface (acfIID iid, void** out) override
        {
            if (out == nullptr)
                return ACF_E_POINTER;

            if (iid == IID_IACFUnknown)
            {
                *out = static_cast<IACFUnknown*> (this);
                AddRef();
                return ACF_OK;
            }

            if (!offers (iid))
            {
                *out = nullptr;
                return ACF_E_NOINTERFACE;
            }

            return handOut (host, this, out);
        }

        /** Hands an object out through `out` as the next answer says. Takes its own reference only
            when it reports success with the object.
        */
        template <typename Object>
        static ACFRESULT handOut (Host& host, Object* object, void** out)
        {
            switch (host.answers.reply())
            {
                case Reply::succeed:
                    *out = static_cast<IACFUnknown*> (object);
                    object->AddRef();
                    return ACF_OK;

                case Reply::fail:
                    *out = nullptr;
                    return ACF_E_NOINTERFACE;

                case Reply::succeedWithNull:
                    *out = nullptr;
                    return ACF_OK;

                case Reply::nonsense:
                    *out = nullptr;
                    return (ACFRESULT)(host.answers.number() & 0x7FFFFFFF); // "success" of no known kind
            }

            return ACF_E_UNEXPECTED;
        }

    protected:
        virtual bool offers (acfIID) const { return false; }

        Host& host;

    private:
        std::atomic<acfUInt32> references{1};
    };

    bool isOneOf (acfIID iid, std::initializer_list<const acfUID*> ids)
    {
        for (const auto* id : ids)
            if (iid == *id)
                return true;

        return false;
    }

    // Hands out a newly created object: the creation's reference goes once the answer is given.
    template <typename Object>
    ACFRESULT handOutNew (Object* object, acfIID iid, void** out)
    {
        const auto result = object->QueryInterface (iid, out);
        object->Release();
        return result;
    }

    // The feature-acquisition operations hand their object out without a reference for the caller,
    // which keeps only the interfaces it queries from it: the host lends the object and keeps it
    // alive until the run ends.
    template <typename Object>
    AAX_Result lend (Host& host, Object* object, void** out)
    {
        host.lentObjects.push_back (object);

        switch (host.answers.reply())
        {
            case Reply::succeed:
                *out = static_cast<IACFUnknown*> (object);
                return AAX_SUCCESS;

            case Reply::fail:
                *out = nullptr;
                return failureCode (host.answers);

            case Reply::succeedWithNull:
                *out = nullptr;
                return AAX_SUCCESS;

            case Reply::nonsense:
                *out = (host.answers.number() & 1) != 0 ? static_cast<IACFUnknown*> (object) : nullptr;
                return (AAX_Result)host.answers.number();
        }

        return AAX_ERROR_NULL_OBJECT;
    }

    //==============================================================================
    class HostServices final : public HostObject<AAX_IACFHostServices_V3>
    {
    public:
        using HostObject::HostObject;

        AAX_Result Assert (const char* file, int32_t, const char* note) override
        {
            touch (file);
            touch (note);
            return answer (host);
        }

        AAX_Result Trace (int32_t, const char* message) override
        {
            ++host.traces;
            touch (message);
            return answer (host);
        }

        AAX_Result StackTrace (int32_t, int32_t, const char* message) override
        {
            touch (message);
            return answer (host);
        }

        AAX_Result HandleAssertFailure (const char* file, int32_t, const char* note, int32_t) override
        {
            touch (file);
            touch (note);
            return answer (host);
        }

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (iid, {&IID_IAAXHostServicesV1, &IID_IAAXHostServicesV2, &IID_IAAXHostServicesV3});
        }

        // Reads the whole text, as a host that prints it would: a bad pointer shows up here.
        static void touch (const char* text)
        {
            if (text != nullptr)
                (void)std::strlen (text);
        }
    };

    //==============================================================================
    class PropertyMap final : public HostObject<AAX_IACFPropertyMap_V3>
    {
    public:
        using HostObject::HostObject;

        AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) override
        {
            const auto reply = host.answers.reply();

            if (reply == Reply::fail || outValue == nullptr)
                return 0;

            const auto found = values.find (property);
            *outValue = reply == Reply::nonsense ? (AAX_CPropertyValue)host.answers.number()
                        : found != values.end()  ? found->second
                                                 : AAX_eSupportLevel_Supported;
            return reply == Reply::nonsense ? (AAX_CBoolean)host.answers.number() : 1;
        }

        AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override
        {
            values[property] = value;
            return answer (host);
        }

        AAX_Result RemoveProperty (AAX_EProperty property) override
        {
            values.erase (property);
            return answer (host);
        }

        AAX_Result AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad* ids,
                                           uint32_t count) override
        {
            // Read every triad, as a host copying them would.
            volatile uint32_t sum = 0;

            for (uint32_t i = 0; ids != nullptr && i < count; ++i)
                sum = sum + ids[i].mManufacturerID;

            return answer (host);
        }

        AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad** outIDs,
                                             uint32_t* outCount) override
        {
            if (outIDs != nullptr)
                *outIDs = nullptr;

            if (outCount != nullptr)
                *outCount = 0;

            return 0;
        }

        AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) override
        {
            const auto found = pointers.find (property);

            if (found == pointers.end() || outValue == nullptr)
                return 0;

            *outValue = found->second;
            return 1;
        }

        AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override
        {
            pointers[property] = value;
            return answer (host);
        }

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (iid, {&IID_IAAXPropertyMapV1, &IID_IAAXPropertyMapV2, &IID_IAAXPropertyMapV3});
        }

        std::map<AAX_EProperty, AAX_CPropertyValue> values;
        std::map<AAX_EProperty, const void*> pointers;
    };

    //==============================================================================
    class FeatureInfo final : public HostObject<AAX_IACFFeatureInfo>
    {
    public:
        using HostObject::HostObject;

        AAX_Result SupportLevel (AAX_ESupportLevel* outSupportLevel) override
        {
            return answerWith (host, outSupportLevel, AAX_eSupportLevel_ByProperty);
        }

        AAX_Result AcquireProperties (IACFUnknown** outProperties) override
        {
            if (outProperties == nullptr)
                return AAX_ERROR_NULL_ARGUMENT;

            return lend (host, new PropertyMap (host), reinterpret_cast<void**> (outProperties));
        }

    private:
        bool offers (acfIID iid) const override { return iid == IID_IAAXFeatureInfoV1; }
    };

    class DescriptionHost final : public HostObject<AAX_IACFDescriptionHost>
    {
    public:
        using HostObject::HostObject;

        AAX_Result AcquireFeatureProperties (const _acfUID&, IACFUnknown** outFeatureInfo) override
        {
            if (outFeatureInfo == nullptr)
                return AAX_ERROR_NULL_ARGUMENT;

            return lend (host, new FeatureInfo (host), reinterpret_cast<void**> (outFeatureInfo));
        }

    private:
        bool offers (acfIID iid) const override { return iid == IID_IAAXDescriptionHostV1; }
    };

    class Definition final : public HostObject<IACFUnknown>
    {
    public:
        using HostObject::HostObject;

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (iid, {&IID_IACFDefinition, &IID_IACFPluginDefinition});
        }
    };

    //==============================================================================
    class ComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V3>
    {
    public:
        using HostObject::HostObject;

        AAX_Result Clear() override { return answer (host); }
        AAX_Result AddReservedField (AAX_CFieldIndex, uint32_t) override { return answer (host); }
        AAX_Result AddAudioIn (AAX_CFieldIndex) override { return answer (host); }
        AAX_Result AddAudioOut (AAX_CFieldIndex) override { return answer (host); }
        AAX_Result AddAudioBufferLength (AAX_CFieldIndex) override { return answer (host); }
        AAX_Result AddSampleRate (AAX_CFieldIndex) override { return answer (host); }
        AAX_Result AddClock (AAX_CFieldIndex) override { return answer (host); }
        AAX_Result AddSideChainIn (AAX_CFieldIndex) override { return answer (host); }
        AAX_Result AddDataInPort (AAX_CFieldIndex, uint32_t, AAX_EDataInPortType) override { return answer (host); }
        AAX_Result AddAuxOutputStem (AAX_CFieldIndex, int32_t, const char*) override { return answer (host); }
        AAX_Result AddPrivateData (AAX_CFieldIndex, int32_t, uint32_t) override { return answer (host); }
        AAX_Result AddDmaInstance (AAX_CFieldIndex, AAX_IDma::EMode) override { return answer (host); }
        AAX_Result AddMIDINode (AAX_CFieldIndex, AAX_EMIDINodeType, const char*, uint32_t) override
        {
            return answer (host);
        }

        AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties, AAX_CInstanceInitProc,
                                          AAX_CBackgroundProc, uint32_t* outProcID) override
        {
            checkIsAlive (properties);
            host.registration.processProcedures.push_back (processProc);
            return answerWith<uint32_t> (host, outProcID, 1);
        }

        AAX_Result AddProcessProc_TI (const char*, const char*, IACFUnknown* properties, const char*, const char*,
                                      uint32_t* outProcID) override
        {
            checkIsAlive (properties);
            return answerWith<uint32_t> (host, outProcID, 2);
        }

        AAX_Result AddMeters (AAX_CFieldIndex, const AAX_CTypeID* ids, uint32_t count) override
        {
            volatile uint32_t sum = 0;

            for (uint32_t i = 0; ids != nullptr && i < count; ++i)
                sum = sum + ids[i];

            return answer (host);
        }

        AAX_Result AddTemporaryData (AAX_CFieldIndex, uint32_t) override { return answer (host); }

        AAX_Result AddProcessProc (IACFUnknown* properties, uint32_t* procIDs, int32_t capacity) override
        {
            checkIsAlive (properties);

            if (procIDs != nullptr && capacity > 0)
                procIDs[0] = 0;

            return answer (host);
        }

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (
                iid, {&IID_IAAXComponentDescriptorV1, &IID_IAAXComponentDescriptorV2, &IID_IAAXComponentDescriptorV3});
        }

        // A host uses the map it is given: a map the plug-in already released fails here.
        static void checkIsAlive (IACFUnknown* properties)
        {
            if (properties != nullptr)
            {
                properties->AddRef();
                properties->Release();
            }
        }
    };

    class EffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
    {
    public:
        using HostObject::HostObject;

        AAX_Result AddComponent (IACFUnknown* component) override
        {
            if (component != nullptr)
            {
                component->AddRef();
                component->Release();
            }

            return answer (host);
        }

        AAX_Result AddName (const char* name) override
        {
            if (name != nullptr)
                (void)std::strlen (name);

            return answer (host);
        }

        AAX_Result AddCategory (uint32_t) override { return answer (host); }
        AAX_Result AddCategoryBypassParameter (uint32_t, AAX_CParamID) override { return answer (host); }

        AAX_Result AddProcPtr (void* procedure, AAX_CProcPtrID id) override
        {
            host.registration.procedures[id] = procedure;
            return answer (host);
        }

        AAX_Result SetProperties (IACFUnknown*) override { return answer (host); }
        AAX_Result AddResourceInfo (AAX_EResourceType, const char*) override { return answer (host); }
        AAX_Result AddMeterDescription (AAX_CTypeID, const char*, IACFUnknown*) override { return answer (host); }
        AAX_Result AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, uint32_t) override
        {
            return answer (host);
        }

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (iid, {&IID_IAAXEffectDescriptorV1, &IID_IAAXEffectDescriptorV2});
        }
    };

    class Collection final : public HostObject<AAX_IACFCollection>
    {
    public:
        using HostObject::HostObject;

        AAX_Result ReservedOperation3() override { return answer (host); }
        AAX_Result ReservedOperation4() override { return answer (host); }
        AAX_Result ReservedOperation5() override { return answer (host); }
        AAX_Result ReservedOperation6() override { return answer (host); }

        AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override
        {
            if (effectID != nullptr)
                (void)std::strlen (effectID);

            if (descriptor != nullptr)
            {
                descriptor->AddRef();
                descriptor->Release();
            }

            ++host.registration.effects;
            return answer (host);
        }

        AAX_Result SetManufacturerName (const char*) override { return answer (host); }
        AAX_Result AddPackageName (const char*) override { return answer (host); }
        AAX_Result SetPackageVersion (uint32_t) override { return answer (host); }
        AAX_Result SetProperties (IACFUnknown*) override { return answer (host); }

        ACFRESULT QueryInterface (acfIID iid, void** out) override
        {
            // The plug-in definition the export hands back to the host comes from the collection.
            if (out != nullptr && iid == IID_IACFPluginDefinition)
            {
                auto* definition = new Definition (host);
                const auto result = handOut (host, definition, out);
                definition->Release();
                return result;
            }

            return HostObject::QueryInterface (iid, out);
        }

    private:
        bool offers (acfIID iid) const override { return iid == IID_IAAXCollectionV1; }
    };

    class ComponentFactory final : public HostObject<IACFComponentFactory>
    {
    public:
        using HostObject::HostObject;

        ACFRESULT CreateComponent (acfCLSID classID, IACFUnknown*, acfIID iid, void** out) override
        {
            if (out == nullptr)
                return ACF_E_POINTER;

            if (classID == AAXCompID_AAXCollection)
                return handOutNew (new Collection (host), iid, out);

            if (classID == AAXCompID_AAXEffectDescriptor)
                return handOutNew (new EffectDescriptor (host), iid, out);

            if (classID == AAXCompID_AAXComponentDescriptor)
                return handOutNew (new ComponentDescriptor (host), iid, out);

            if (classID == AAXCompID_AAXPropertyMap)
                return handOutNew (new PropertyMap (host), iid, out);

            if (classID == AAXCompID_HostServices)
                return handOutNew (new HostServices (host), iid, out);

            *out = nullptr;
            return ACF_E_NOINTERFACE;
        }

    private:
        bool offers (acfIID iid) const override { return iid == IID_IACFComponentFactory; }
    };

    //==============================================================================
    class Controller final : public HostObject<AAX_IACFController_V3>
    {
    public:
        using HostObject::HostObject;

        AAX_Result GetEffectID (AAX_IString* out) override { return answerString (out, "audio.tavro.vantrel"); }

        AAX_Result GetSampleRate (AAX_CSampleRate* out) override
        {
            const auto reply = host.answers.reply();

            if (reply == Reply::fail)
                return failureCode (host.answers);

            if (out != nullptr)
                *out = reply == Reply::nonsense ? host.answers.sampleRate() : 48000.0f;

            return AAX_SUCCESS;
        }

        AAX_Result GetInputStemFormat (AAX_EStemFormat* out) override { return answerStemFormat (out); }
        AAX_Result GetOutputStemFormat (AAX_EStemFormat* out) override { return answerStemFormat (out); }
        AAX_Result GetSignalLatency (int32_t* out) override { return answerWith<int32_t> (host, out, 0); }
        AAX_Result GetCycleCount (AAX_EProperty, AAX_CPropertyValue* out) override
        {
            return answerWith<AAX_CPropertyValue> (host, out, 0);
        }
        AAX_Result GetTODLocation (int64_t* out) override { return answerWith<int64_t> (host, out, 0); }
        AAX_Result SetSignalLatency (int32_t) override { return answer (host); }
        AAX_Result SetCycleCount (AAX_EProperty*, AAX_CPropertyValue*, int32_t) override { return answer (host); }

        AAX_Result PostPacket (AAX_CFieldIndex, const void* payload, uint32_t size) override
        {
            // Copy the packet as a host does: a short payload shows up under AddressSanitizer.
            if (payload != nullptr && size > 0 && size < (1u << 16))
            {
                std::vector<unsigned char> copy (size);
                std::memcpy (copy.data(), payload, size);
            }

            return answer (host);
        }

        AAX_Result GetCurrentMeterValue (AAX_CTypeID, float* out) override { return answerWith (host, out, 0.0f); }
        AAX_Result GetMeterPeakValue (AAX_CTypeID, float* out) override { return answerWith (host, out, 0.0f); }
        AAX_Result ClearMeterPeakValue (AAX_CTypeID) override { return answer (host); }
        AAX_Result GetMeterClipped (AAX_CTypeID, AAX_CBoolean* out) override
        {
            return answerWith<AAX_CBoolean> (host, out, 0);
        }
        AAX_Result ClearMeterClipped (AAX_CTypeID) override { return answer (host); }
        AAX_Result GetMeterCount (uint32_t* out) override { return answerWith<uint32_t> (host, out, 0); }
        AAX_Result GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) override { return AAX_ERROR_NULL_OBJECT; }

        AAX_Result SendNotification (AAX_CTypeID, const void*, uint32_t) override { return answer (host); }
        AAX_Result GetHybridSignalLatency (int32_t* out) override { return answerWith<int32_t> (host, out, 0); }
        AAX_Result GetCurrentAutomationTimestamp (int64_t* out) override { return answerWith<int64_t> (host, out, 0); }
        AAX_Result GetHostName (AAX_IString* out) override { return answerString (out, "fuzz host"); }
        AAX_Result GetPlugInTargetPlatform (int32_t* out) override { return answerWith<int32_t> (host, out, 0); }
        AAX_Result GetIsAudioSuite (AAX_CBoolean* out) override { return answerWith<AAX_CBoolean> (host, out, 0); }

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (iid, {&IID_IAAXControllerV1, &IID_IAAXControllerV2, &IID_IAAXControllerV3});
        }

        AAX_Result answerString (AAX_IString* out, const char* proper)
        {
            const auto reply = host.answers.reply();

            if (reply == Reply::fail)
                return failureCode (host.answers);

            if (out != nullptr)
                out->Set (reply == Reply::nonsense ? "" : proper);

            return AAX_SUCCESS;
        }

        AAX_Result answerStemFormat (AAX_EStemFormat* out)
        {
            const auto reply = host.answers.reply();

            if (reply == Reply::fail)
                return failureCode (host.answers);

            if (out != nullptr)
            {
                const AAX_EStemFormat formats[] = {(AAX_EStemFormat)0x10002, (AAX_EStemFormat)0x1,
                                                   (AAX_EStemFormat)0xFF9C0000, (AAX_EStemFormat)0x70006};
                *out = reply == Reply::nonsense ? (AAX_EStemFormat)host.answers.number()
                                                : formats[host.answers.number() % 4];
            }

            return AAX_SUCCESS;
        }
    };

    class Transport final : public HostObject<AAX_IACFTransport_V3>
    {
    public:
        using HostObject::HostObject;

        AAX_Result GetCurrentTempo (double* out) override { return answerWith (host, out, 120.0); }
        AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) override
        {
            answerWith<int32_t> (host, numerator, 4);
            return answerWith<int32_t> (host, denominator, 4);
        }
        AAX_Result IsTransportPlaying (bool* out) override { return answerWith (host, out, false); }
        AAX_Result GetCurrentTickPosition (int64_t* out) override { return answerWith<int64_t> (host, out, 0); }
        AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* start, int64_t* end) override
        {
            answerWith (host, looping, false);
            answerWith<int64_t> (host, start, 0);
            return answerWith<int64_t> (host, end, 0);
        }
        AAX_Result GetCurrentNativeSampleLocation (int64_t* out) override { return answerWith<int64_t> (host, out, 0); }
        AAX_Result GetCustomTickPosition (int64_t* out, int64_t) override { return answerWith<int64_t> (host, out, 0); }
        AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* ticks, int64_t) override
        {
            answerWith<int32_t> (host, bars, 1);
            answerWith<int32_t> (host, beats, 1);
            return answerWith<int64_t> (host, ticks, 0);
        }
        AAX_Result GetTicksPerQuarter (uint32_t* out) override { return answerWith<uint32_t> (host, out, 960000); }
        AAX_Result GetCurrentTicksPerBeat (uint32_t* out) override { return answerWith<uint32_t> (host, out, 960000); }
        AAX_Result GetTimelineSelectionStartPosition (int64_t* out) override
        {
            return answerWith<int64_t> (host, out, 0);
        }
        AAX_Result GetTimeCodeInfo (AAX_EFrameRate* rate, int32_t* offset) override
        {
            answerWith (host, rate, (AAX_EFrameRate)0);
            return answerWith<int32_t> (host, offset, 0);
        }
        AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) override
        {
            answerWith (host, rate, (AAX_EFeetFramesRate)0);
            return answerWith<int64_t> (host, offset, 0);
        }
        AAX_Result IsMetronomeEnabled (int32_t* out) override { return answerWith<int32_t> (host, out, 0); }
        AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* rate, int64_t* offset) override
        {
            answerWith (host, rate, (AAX_EFrameRate)0);
            return answerWith<int64_t> (host, offset, 0);
        }

    private:
        bool offers (acfIID iid) const override
        {
            return isOneOf (iid, {&IID_IAAXTransportV1, &IID_IAAXTransportV2, &IID_IAAXTransportV3});
        }
    };

    class AutomationDelegate final : public HostObject<AAX_IACFAutomationDelegate>
    {
    public:
        using HostObject::HostObject;

        AAX_Result RegisterParameter (AAX_CParamID id) override { return answerFor (id); }
        AAX_Result UnregisterParameter (AAX_CParamID id) override { return answerFor (id); }
        AAX_Result PostSetValueRequest (AAX_CParamID id, double) override { return answerFor (id); }
        AAX_Result PostCurrentValue (AAX_CParamID id, double) override { return answerFor (id); }
        AAX_Result PostTouchRequest (AAX_CParamID id) override { return answerFor (id); }
        AAX_Result PostReleaseRequest (AAX_CParamID id) override { return answerFor (id); }
        AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* out) override
        {
            answerFor (id);
            return answerWith<AAX_CBoolean> (host, out, 0);
        }

    private:
        bool offers (acfIID iid) const override { return iid == IID_IAAXAutomationDelegateV1; }

        AAX_Result answerFor (AAX_CParamID id)
        {
            if (id != nullptr)
                (void)std::strlen (id);

            return answer (host);
        }
    };

    //==============================================================================
    class HostUnknown final : public HostObject<IACFUnknown>
    {
    public:
        explicit HostUnknown (Host& h)
            : HostObject (h)
            , factory (new ComponentFactory (h))
            , descriptionHost (new DescriptionHost (h))
            , definition (new Definition (h))
        {
        }

        ~HostUnknown() override
        {
            factory->Release();
            descriptionHost->Release();
            definition->Release();
        }

        ACFRESULT QueryInterface (acfIID iid, void** out) override
        {
            if (out == nullptr)
                return ACF_E_POINTER;

            if (iid == IID_IACFComponentFactory)
                return handOut (host, factory, out);

            if (iid == IID_IAAXDescriptionHostV1)
                return handOut (host, descriptionHost, out);

            if (iid == IID_IACFDefinition)
                return handOut (host, definition, out);

            return HostObject::QueryInterface (iid, out);
        }

    private:
        ComponentFactory* const factory;
        DescriptionHost* const descriptionHost;
        Definition* const definition;
    };

    class InstanceContext final : public HostObject<IACFUnknown>
    {
    public:
        explicit InstanceContext (Host& h)
            : HostObject (h)
            , controller (new Controller (h))
            , transport (new Transport (h))
            , automation (new AutomationDelegate (h))
            , factory (new ComponentFactory (h))
        {
        }

        ~InstanceContext() override
        {
            controller->Release();
            transport->Release();
            automation->Release();
            factory->Release();
        }

        // Every answer, success with a null pointer included: the wrappers of a running instance
        // treat that as an interface the host does not offer.
        ACFRESULT QueryInterface (acfIID iid, void** out) override
        {
            if (out == nullptr)
                return ACF_E_POINTER;

            if (isOneOf (iid, {&IID_IAAXControllerV1, &IID_IAAXControllerV2, &IID_IAAXControllerV3}))
                return controller->QueryInterface (iid, out);

            if (isOneOf (iid, {&IID_IAAXTransportV1, &IID_IAAXTransportV2, &IID_IAAXTransportV3}))
                return transport->QueryInterface (iid, out);

            if (iid == IID_IAAXAutomationDelegateV1)
                return automation->QueryInterface (iid, out);

            if (iid == IID_IACFComponentFactory)
                return handOut (host, factory, out);

            return HostObject::QueryInterface (iid, out);
        }

    private:
        Controller* const controller;
        Transport* const transport;
        AutomationDelegate* const automation;
        ComponentFactory* const factory;
    };
}

Host::~Host()
{
    for (auto* object : lentObjects)
        object->Release();
}

IACFUnknown* createHostUnknown (Host& host)
{
    return new HostUnknown (host);
}

IACFUnknown* createInstanceContext (Host& host)
{
    return new InstanceContext (host);
}
}
