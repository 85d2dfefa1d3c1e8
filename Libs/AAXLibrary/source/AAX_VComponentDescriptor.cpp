#include "AAX_VComponentDescriptor.h"

#include "AAX_Assert.h"
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VPropertyMap.h"

#include <algorithm>
#include <vector>

namespace
{
/** Name put in front of the traces of the manual process-procedure registration. */
constexpr const char* kSourceFileName = "AAX_VComponentDescriptor.cpp";

/** The integer properties a map may carry, in the order DuplicatePropertyMap copies them. */
constexpr int32_t kFirstCopiedProperty = AAX_eProperty_MinProp;
constexpr int32_t kLastCopiedProperty = AAX_eProperty_MaxProp;

IACFUnknown* HostObjectOf (const AAX_IPropertyMap* properties)
{
    return properties != nullptr ? properties->GetIUnknown() : nullptr;
}

void TraceMissingProperty (const char* propertyName)
{
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "%s: ManuallyAddProcessProcs() - no value found for %s",
                              kSourceFileName, propertyName);
}

/** The pointer property, or null when the map has none. */
const void* PointerPropertyOrNull (const AAX_IPropertyMap& properties, AAX_EProperty property)
{
    const void* value = nullptr;

    if (properties.GetPointerProperty (property, &value) == 0)
        return nullptr;

    return value;
}

template <typename FunctionPointer>
FunctionPointer ToFunctionPointer (const void* value) noexcept
{
    return reinterpret_cast<FunctionPointer> (const_cast<void*> (value));
}
}

//==============================================================================
const std::set<AAX_EProperty>& AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc()
{
    // Built once, thread-safely, on first use; only read afterwards.
    static const std::set<AAX_EProperty> properties{
        AAX_eProperty_NativeProcessProc, AAX_eProperty_NativeInstanceInitProc, AAX_eProperty_NativeBackgroundProc,
        AAX_eProperty_TIDLLFileName,     AAX_eProperty_TIProcessProc,          AAX_eProperty_TIInstanceInitProc,
        AAX_eProperty_TIBackgroundProc};

    return properties;
}

/*  Native registrations get a copy of the map without the native audio buffer length: the algorithm's block
    size is the host's to choose at run time, and a fixed length in the registration's map would pin it. The
    copy comes from DuplicatePropertyMap and so belongs to this descriptor; the caller's map stays untouched.

    The given map stays in use when it has no buffer length, when no copy can be made, or when the copy has no
    host object to remove the property from. Reading the length back from the copy and removing it are both
    expected to succeed; a failure is reported to the host as an assertion (with this file and line, which the
    host may show) and the registration goes on with the given map after a failed read, or with the copy
    after a failed removal, so that a host that ignores the length still gets a working registration. The
    assertion lines are part of what the host sees, so keep this function's layout.
*/
AAX_IPropertyMap* AAX_VComponentDescriptor::MapWithoutAudioBufferLength (AAX_IPropertyMap* properties)
{
    AAX_CPropertyValue audioBufferLength = 0;

    if (properties->GetProperty (AAX_eProperty_AudioBufferLength, &audioBufferLength) == 0)
        return properties;

    AAX_IPropertyMap* const copy = DuplicatePropertyMap (properties);

    if (copy == nullptr || copy->GetIUnknown() == nullptr)
        return properties;

    const AAX_CBoolean gotPropertySuccess = copy->GetProperty (AAX_eProperty_AudioBufferLength, &audioBufferLength);
    AAX_ASSERT (0 != gotPropertySuccess);
    if (gotPropertySuccess == 0)
        return properties;
    const AAX_Result removeNativeAudioBufferLengthResult = copy->RemoveProperty (AAX_eProperty_AudioBufferLength);
    AAX_ASSERT (AAX_SUCCESS == removeNativeAudioBufferLengthResult);

    return copy;
}

//==============================================================================
AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* hostContext)
    : mHostContext (hostContext)
{
    AAX_CreateHostComponent (hostContext, AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV1,
                             mIComponentDescriptor);
    mIComponentDescriptorV2.QueryFrom (mIComponentDescriptor, IID_IAAXComponentDescriptorV2);
    mIComponentDescriptorV3.QueryFrom (mIComponentDescriptor, IID_IAAXComponentDescriptorV3);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
    // Owned maps first, then versions 3, 2 and 1 and the host context (reverse member order).
    for (auto& map : mPropertyMaps)
        map.reset();

    mPropertyMaps.clear();
}

AAX_Result AAX_VComponentDescriptor::Clear()
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::Clear);
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex fieldIndex)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddAudioIn, fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex fieldIndex)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddAudioOut, fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex fieldIndex)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddAudioBufferLength,
                                         fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex fieldIndex)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddSampleRate,
                                         fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex fieldIndex)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddClock, fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex fieldIndex)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddSideChainIn,
                                         fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                                    AAX_EDataInPortType portType)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddDataInPort, fieldIndex,
                                         packetSize, portType);
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddAuxOutputStem,
                                         fieldIndex, stemFormat, name);
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddPrivateData,
                                         fieldIndex, dataSize, options);
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize)
{
    return mIComponentDescriptorV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFComponentDescriptor_V2::AddTemporaryData,
                                           fieldIndex, dataElementSize);
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddDmaInstance,
                                         fieldIndex, dmaMode);
}

AAX_Result AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs,
                                                uint32_t meterCount)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddMeters, fieldIndex,
                                         meterIDs, meterCount);
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                                                  const char* nodeName, uint32_t channelMask)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddMIDINode, fieldIndex,
                                         nodeType, nodeName, channelMask);
}

AAX_Result AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddReservedField,
                                         fieldIndex, fieldType);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() const
{
    std::unique_ptr<AAX_IPropertyMap> map (AAX_VPropertyMap::Create (mHostContext.Get()));

    // JUCE's description fills the map it gets here without testing it for null, so a host that cannot make
    // property maps gets one without host interfaces, whose operations report AAX_ERROR_NULL_OBJECT.
    if (map == nullptr)
        map.reset (AAX_VPropertyMap::Acquire (nullptr));

    mPropertyMaps.push_back (std::move (map));
    return mPropertyMaps.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* source) const
{
    if (source == nullptr)
        return nullptr;

    AAX_IPropertyMap* const copy = NewPropertyMap();

    if (copy == nullptr)
        return nullptr;

    for (int32_t id = kFirstCopiedProperty; id <= kLastCopiedProperty; ++id)
    {
        const auto property = static_cast<AAX_EProperty> (id);
        AAX_CPropertyValue value = 0;
        const void* pointer = nullptr;

        if (source->GetProperty (property, &value) != 0)
            copy->AddProperty (property, value);
        else if (source->GetPointerProperty (property, &pointer) != 0)
            copy->AddPointerProperty (property, pointer);
    }

    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                                            AAX_CInstanceInitProc instanceInitProc,
                                                            AAX_CBackgroundProc backgroundProc, uint32_t* outProcID)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddProcessProc_Native,
                                         processProc, HostObjectOf (properties), instanceInitProc, backgroundProc,
                                         outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                        AAX_IPropertyMap* properties,
                                                        const char* instanceInitProcSymbol,
                                                        const char* backgroundProcSymbol, uint32_t* outProcID)
{
    return mIComponentDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor::AddProcessProc_TI,
                                         dllFileName, processProcSymbol, HostObjectOf (properties),
                                         instanceInitProcSymbol, backgroundProcSymbol, outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc (AAX_IPropertyMap* properties, uint32_t* procIDs, int32_t capacity)
{
    if (mIComponentDescriptorV3)
        return mIComponentDescriptorV3->AddProcessProc (HostObjectOf (properties), procIDs, capacity);

    return ManuallyAddProcessProcs (properties, procIDs, capacity);
}

/*  Hosts before version 3 of the component descriptor cannot read process procedures from a map, so they are
    registered one by one from the map's properties: one native registration when the map names a native or
    AudioSuite plug-in, one TI registration when it names a TI plug-in.
*/
AAX_Result AAX_VComponentDescriptor::ManuallyAddProcessProcs (AAX_IPropertyMap* properties, uint32_t* procIDs,
                                                              int32_t capacity)
{
    if (!mIComponentDescriptor || properties == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_CPropertyValue plugInID = 0;
    const bool hasNative = properties->GetProperty (AAX_eProperty_PlugInID_Native, &plugInID) != 0;
    const bool hasAudioSuite = properties->GetProperty (AAX_eProperty_PlugInID_AudioSuite, &plugInID) != 0;
    const bool hasTI = properties->GetProperty (AAX_eProperty_PlugInID_TI, &plugInID) != 0;

    std::vector<uint32_t> registeredIDs;
    AAX_Result result = AAX_SUCCESS;

    if (hasNative || hasAudioSuite)
    {
        const void* processProc = nullptr;

        if (properties->GetPointerProperty (AAX_eProperty_NativeProcessProc, &processProc) == 0)
        {
            processProc = nullptr;
            TraceMissingProperty ("AAX_eProperty_NativeProcessProc");
        }

        const void* const instanceInitProc = PointerPropertyOrNull (*properties, AAX_eProperty_NativeInstanceInitProc);
        const void* const backgroundProc = PointerPropertyOrNull (*properties, AAX_eProperty_NativeBackgroundProc);
        AAX_IPropertyMap* const registrationMap = MapWithoutAudioBufferLength (properties);

        uint32_t procID = 0;
        result = AddProcessProc_Native (ToFunctionPointer<AAX_CProcessProc> (processProc), registrationMap,
                                        ToFunctionPointer<AAX_CInstanceInitProc> (instanceInitProc),
                                        ToFunctionPointer<AAX_CBackgroundProc> (backgroundProc), &procID);

        if (result == AAX_SUCCESS)
            registeredIDs.push_back (procID);
    }

    if (hasTI && result == AAX_SUCCESS)
    {
        const void* dllFileName = nullptr;
        const void* processProcSymbol = nullptr;

        if (properties->GetPointerProperty (AAX_eProperty_TIDLLFileName, &dllFileName) == 0)
        {
            dllFileName = nullptr;
            TraceMissingProperty ("AAX_eProperty_TIDLLFileName");
        }

        if (properties->GetPointerProperty (AAX_eProperty_TIProcessProc, &processProcSymbol) == 0)
        {
            processProcSymbol = nullptr;
            TraceMissingProperty ("AAX_eProperty_TIProcessProc");
        }

        const void* const instanceInitSymbol = PointerPropertyOrNull (*properties, AAX_eProperty_TIInstanceInitProc);
        const void* const backgroundSymbol = PointerPropertyOrNull (*properties, AAX_eProperty_TIBackgroundProc);

        uint32_t procID = 0;
        result = AddProcessProc_TI (
            static_cast<const char*> (dllFileName), static_cast<const char*> (processProcSymbol), properties,
            static_cast<const char*> (instanceInitSymbol), static_cast<const char*> (backgroundSymbol), &procID);

        if (result == AAX_SUCCESS)
            registeredIDs.push_back (procID);
    }

    if (result != AAX_SUCCESS)
        return result;

    if (procIDs == nullptr)
        return AAX_SUCCESS;

    // The caller's array must hold every ID and the terminating 0.
    const auto count = static_cast<int64_t> (registeredIDs.size());

    if (count >= static_cast<int64_t> (capacity))
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;

    std::copy (registeredIDs.begin(), registeredIDs.end(), procIDs);
    procIDs[registeredIDs.size()] = 0;
    return AAX_SUCCESS;
}
