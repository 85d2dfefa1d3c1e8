#include "DescriptionObjects.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
namespace
{
    std::string textOrEmpty (const char* text)
    {
        return text != nullptr ? std::string (text) : std::string();
    }
}

//==============================================================================
void HostPropertyMap::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("PropertyMap." + call);
}

void HostComponentDescriptor::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("ComponentDescriptor." + call);
}

void HostEffectDescriptor::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("EffectDescriptor." + call);
}

void HostCollection::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("Collection." + call);
}

HostPropertyMap::HostPropertyMap (int numVersions, Diagnostics* callLog)
    : HostObject (firstVersions ({IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2, IID_IAAXPropertyMapV3}, numVersions))
    , log (callLog)
{
}

AAX_CBoolean HostPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue)
{
    note ("GetProperty " + std::to_string (property));

    const auto value = properties.get (property);

    if (!value)
        return 0;

    if (outValue != nullptr)
        *outValue = *value;

    return 1;
}

AAX_Result HostPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    note ("AddProperty " + std::to_string (property) + " " + std::to_string (value));

    properties.set (property, value);
    return AAX_SUCCESS;
}

AAX_Result HostPropertyMap::RemoveProperty (AAX_EProperty property)
{
    note ("RemoveProperty " + std::to_string (property));

    idArrays.erase (property);
    properties.remove (property);
    return AAX_SUCCESS;
}

AAX_Result HostPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                    uint32_t count)
{
    if (pluginIDs == nullptr && count > 0)
        return AAX_ERROR_NULL_ARGUMENT;

    idArrays[property].assign (pluginIDs, pluginIDs + count);

    std::vector<uint32_t> flattened;

    for (uint32_t i = 0; i < count; ++i)
        flattened.insert (flattened.end(),
                          {pluginIDs[i].mManufacturerID, pluginIDs[i].mProductID, pluginIDs[i].mPlugInID});

    properties.idArrays.emplace_back (property, std::move (flattened));
    return AAX_SUCCESS;
}

AAX_CBoolean HostPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                                      uint32_t* outCount)
{
    const auto found = idArrays.find (property);

    if (found == idArrays.end() || outIDs == nullptr || outCount == nullptr)
        return 0;

    *outIDs = found->second.data();
    *outCount = (uint32_t)found->second.size();
    return 1;
}

AAX_CBoolean HostPropertyMap::GetPointerProperty (AAX_EProperty property, const void** outValue)
{
    const auto found = properties.pointers.find (property);

    if (found == properties.pointers.end() || outValue == nullptr)
        return 0;

    *outValue = found->second;
    return 1;
}

AAX_Result HostPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
{
    note ("AddPointerProperty " + std::to_string (property));

    properties.pointers[property] = value;
    return AAX_SUCCESS;
}

void HostPropertyMap::setHostProperty (int32_t property, std::optional<int32_t> value)
{
    if (value)
        properties.set (property, *value);
    else
        properties.remove (property);
}

const HostPropertyMap* HostPropertyMap::find (IACFUnknown* object)
{
    return dynamic_cast<const HostPropertyMap*> (object);
}

//==============================================================================
HostComponentDescriptor::HostComponentDescriptor (int numVersions, Diagnostics* callLog)
    : HostObject (firstVersions (
          {IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2, IID_IAAXComponentDescriptorV3}, numVersions))
    , log (callLog)
{
}

AAX_Result HostComponentDescriptor::addField (AAX_CFieldIndex index, FieldKind kind, uint32_t size, int32_t option,
                                              std::string name)
{
    note (std::string ("Add ") + toString (kind) + " " + std::to_string (index));

    // An algorithm context is an array of pointers without gaps: a field index may be declared once.
    if (index < 0 || index > 1024)
        return AAX_ERROR_INVALID_FIELD_INDEX;

    for (auto& field : description.fields)
        if (field.index == index)
            return AAX_ERROR_INVALID_FIELD_INDEX;

    description.fields.push_back ({index, kind, size, option, std::move (name)});
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::Clear()
{
    description = {};
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    return addField (fieldIndex, FieldKind::reserved, 0, (int32_t)fieldType);
}

AAX_Result HostComponentDescriptor::AddAudioIn (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::audioIn);
}

AAX_Result HostComponentDescriptor::AddAudioOut (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::audioOut);
}

AAX_Result HostComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::audioBufferLength);
}

AAX_Result HostComponentDescriptor::AddSampleRate (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::sampleRate);
}

AAX_Result HostComponentDescriptor::AddClock (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::clock);
}

AAX_Result HostComponentDescriptor::AddSideChainIn (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::sideChainIn);
}

AAX_Result HostComponentDescriptor::AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                                   AAX_EDataInPortType portType)
{
    if (packetSize == 0 || packetSize > 65536)
        return AAX_ERROR_INVALID_ARGUMENT;

    return addField (fieldIndex, FieldKind::dataInPort, packetSize, portType);
}

AAX_Result HostComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name)
{
    return addField (fieldIndex, FieldKind::auxOutputStem, 0, stemFormat, textOrEmpty (name));
}

AAX_Result HostComponentDescriptor::AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options)
{
    if (dataSize <= 0 || dataSize > (1 << 24))
        return AAX_ERROR_INVALID_ARGUMENT;

    return addField (fieldIndex, FieldKind::privateData, (uint32_t)dataSize, (int32_t)options);
}

AAX_Result HostComponentDescriptor::AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode)
{
    return addField (fieldIndex, FieldKind::dmaInstance, 0, dmaMode);
}

AAX_Result HostComponentDescriptor::AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                                                 const char* nodeName, uint32_t channelMask)
{
    return addField (fieldIndex, FieldKind::midiNode, channelMask, nodeType, textOrEmpty (nodeName));
}

AAX_Result HostComponentDescriptor::AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs,
                                               uint32_t meterCount)
{
    if (meterIDs == nullptr && meterCount > 0)
        return AAX_ERROR_NULL_ARGUMENT;

    return addField (fieldIndex, FieldKind::meters, meterCount);
}

AAX_Result HostComponentDescriptor::AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize)
{
    if (dataElementSize == 0)
        return AAX_ERROR_INVALID_ARGUMENT;

    return addField (fieldIndex, FieldKind::temporaryData, dataElementSize);
}

AAX_Result HostComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                                           AAX_CInstanceInitProc instanceInitProc,
                                                           AAX_CBackgroundProc backgroundProc, uint32_t* outProcID)
{
    note ("AddProcessProc_Native");

    if (processProc == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    ProcessProcedure procedure;
    procedure.nativeProcess = reinterpret_cast<void*> (processProc);
    procedure.instanceInit = reinterpret_cast<void*> (instanceInitProc);
    procedure.background = reinterpret_cast<void*> (backgroundProc);

    // The host keeps what the map holds now: the plug-in may go on changing its map afterwards.
    if (const auto* map = HostPropertyMap::find (properties))
        procedure.properties = map->getProperties();

    procedure.id = nextProcedureID++;
    description.processProcedures.push_back (std::move (procedure));

    if (outProcID != nullptr)
        *outProcID = description.processProcedures.back().id;

    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                       IACFUnknown* properties, const char*, const char*,
                                                       uint32_t* outProcID)
{
    note ("AddProcessProc_TI");

    ProcessProcedure procedure;
    procedure.tiModule = textOrEmpty (dllFileName);
    procedure.tiProcessSymbol = textOrEmpty (processProcSymbol);

    if (const auto* map = HostPropertyMap::find (properties))
        procedure.properties = map->getProperties();

    procedure.id = nextProcedureID++;
    description.processProcedures.push_back (std::move (procedure));

    if (outProcID != nullptr)
        *outProcID = description.processProcedures.back().id;

    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::AddProcessProc (IACFUnknown* properties, uint32_t* procIDs, int32_t capacity)
{
    note ("AddProcessProc");

    const auto* map = HostPropertyMap::find (properties);

    if (map == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto& values = map->getProperties();
    std::vector<uint32_t> ids;

    if (values.get (AAX_eProperty_PlugInID_Native) || values.get (AAX_eProperty_PlugInID_AudioSuite))
    {
        uint32_t id = 0;
        const auto result =
            AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (
                                       const_cast<void*> (values.getPointer (AAX_eProperty_NativeProcessProc))),
                                   properties,
                                   reinterpret_cast<AAX_CInstanceInitProc> (
                                       const_cast<void*> (values.getPointer (AAX_eProperty_NativeInstanceInitProc))),
                                   reinterpret_cast<AAX_CBackgroundProc> (
                                       const_cast<void*> (values.getPointer (AAX_eProperty_NativeBackgroundProc))),
                                   &id);

        if (result != AAX_SUCCESS)
            return result;

        ids.push_back (id);
    }

    if (values.get (AAX_eProperty_PlugInID_TI))
    {
        uint32_t id = 0;
        AddProcessProc_TI (static_cast<const char*> (values.getPointer (AAX_eProperty_TIDLLFileName)),
                           static_cast<const char*> (values.getPointer (AAX_eProperty_TIProcessProc)), properties,
                           nullptr, nullptr, &id);
        ids.push_back (id);
    }

    if (procIDs == nullptr)
        return AAX_SUCCESS;

    if ((int32_t)ids.size() >= capacity)
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;

    std::copy (ids.begin(), ids.end(), procIDs);
    procIDs[ids.size()] = 0;
    return AAX_SUCCESS;
}

//==============================================================================
HostEffectDescriptor::HostEffectDescriptor (int numVersions, Diagnostics* callLog)
    : HostObject (firstVersions ({IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2}, numVersions))
    , log (callLog)
{
}

AAX_Result HostEffectDescriptor::AddComponent (IACFUnknown* componentDescriptor)
{
    note ("AddComponent");

    const auto* component = dynamic_cast<const HostComponentDescriptor*> (componentDescriptor);

    if (component == nullptr)
        return AAX_ERROR_NULL_COMPONENT;

    description.components.push_back (component->getDescription());
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddName (const char* name)
{
    note ("AddName " + textOrEmpty (name));

    if (name == nullptr || *name == '\0')
        return AAX_ERROR_EMPTY_EFFECT_NAME;

    description.names.emplace_back (name);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddCategory (uint32_t category)
{
    note ("AddCategory " + std::to_string (category));

    description.categories.push_back (category);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID)
{
    description.categories.push_back (category);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddProcPtr (void* procPointer, AAX_CProcPtrID procID)
{
    note ("AddProcPtr " + std::to_string (procID));

    if (procPointer == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    description.procedures.emplace_back (procID, procPointer);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::SetProperties (IACFUnknown* propertyMap)
{
    const auto* map = HostPropertyMap::find (propertyMap);

    if (map == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    description.properties = map->getProperties();
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddResourceInfo (AAX_EResourceType resourceType, const char* info)
{
    description.resources.emplace_back (resourceType, textOrEmpty (info));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* meterName,
                                                      IACFUnknown* propertyMap)
{
    note ("AddMeterDescription " + std::to_string (meterID));

    MeterDescription meter;
    meter.id = meterID;
    meter.name = textOrEmpty (meterName);

    if (const auto* map = HostPropertyMap::find (propertyMap))
        meter.properties = map->getProperties();

    description.meters.push_back (std::move (meter));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, uint32_t)
{
    // This host delivers no MIDI.
    return AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
HostCollection::HostCollection (bool offersPluginDefinition, Diagnostics* callLog)
    : HostObject (offersPluginDefinition ? std::vector<acfUID>{IID_IAAXCollectionV1, IID_IACFPluginDefinition}
                                         : std::vector<acfUID>{IID_IAAXCollectionV1})
    , log (callLog)
{
}

AAX_Result HostCollection::ReservedOperation3()
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result HostCollection::ReservedOperation4()
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result HostCollection::ReservedOperation5()
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result HostCollection::ReservedOperation6()
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostCollection::AddEffect (const char* effectID, IACFUnknown* effectDescriptor)
{
    note ("AddEffect " + textOrEmpty (effectID));

    const auto* effect = dynamic_cast<const HostEffectDescriptor*> (effectDescriptor);

    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto id = textOrEmpty (effectID);

    for (auto& existing : description.effects)
        if (existing.effectID == id)
            return AAX_ERROR_DUPLICATE_EFFECT_ID;

    description.effects.push_back (effect->getDescription());
    description.effects.back().effectID = id;
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetManufacturerName (const char* name)
{
    note ("SetManufacturerName " + textOrEmpty (name));

    description.manufacturerName = textOrEmpty (name);
    return AAX_SUCCESS;
}

AAX_Result HostCollection::AddPackageName (const char* packageName)
{
    note ("AddPackageName " + textOrEmpty (packageName));

    description.packageNames.push_back (textOrEmpty (packageName));
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetPackageVersion (uint32_t version)
{
    note ("SetPackageVersion " + std::to_string (version));

    description.packageVersion = version;
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetProperties (IACFUnknown* propertyMap)
{
    const auto* map = HostPropertyMap::find (propertyMap);

    if (map == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    description.properties = map->getProperties();
    return AAX_SUCCESS;
}

//==============================================================================
HostFeatureInfo::HostFeatureInfo (HostState& hostState, AAX_ESupportLevel supportLevel,
                                  ComPtr<HostPropertyMap> featureProperties)
    : HostObject ({IID_IAAXFeatureInfoV1})
    , state (hostState)
    , level (supportLevel)
    , properties (std::move (featureProperties))
{
}

AAX_Result HostFeatureInfo::SupportLevel (AAX_ESupportLevel* outSupportLevel)
{
    if (outSupportLevel == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSupportLevel = level;
    return AAX_SUCCESS;
}

AAX_Result HostFeatureInfo::AcquireProperties (IACFUnknown** outProperties)
{
    if (outProperties == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outProperties = nullptr;

    if (!properties)
        return AAX_ERROR_NULL_OBJECT;

    // Lent, not given: the plug-in keeps only the interfaces it queries from the map, so the host holds
    // the map until registration ends.
    state.lentObjects.push_back (ComPtr<IACFUnknown>::share (properties.get()));
    *outProperties = properties.get();
    return AAX_SUCCESS;
}

//==============================================================================
HostDescriptionHost::HostDescriptionHost (HostState& hostState)
    : HostObject ({IID_IAAXDescriptionHostV1})
    , state (hostState)
{
}

AAX_Result HostDescriptionHost::AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** outFeatureInfo)
{
    if (outFeatureInfo == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outFeatureInfo = nullptr;
    const auto& options = state.options;

    if (feature != AAXATTR_ClientFeature_StemFormat || !options.stemFormatSupportLevel)
        return AAX_ERROR_UNKNOWN_ID;

    auto properties = ComPtr<HostPropertyMap>::share (new HostPropertyMap (3, &state.diagnostics));

    for (auto format : getKnownStemFormats())
        properties->setHostProperty (format, options.defaultStemFormatAnswer);

    for (auto& [format, answer] : options.stemFormatAnswers)
        properties->setHostProperty (format, answer);

    auto featureInfo = ComPtr<IACFUnknown>::share (
        new HostFeatureInfo (state, *options.stemFormatSupportLevel, std::move (properties)));

    // Lent as well: the host keeps the object alive until registration ends.
    state.lentObjects.push_back (featureInfo);
    *outFeatureInfo = featureInfo.get();
    return AAX_SUCCESS;
}

//==============================================================================
const std::vector<int32_t>& getKnownStemFormats()
{
    // (layout index, channel count) of every stem format the host answers for.
    static const std::vector<int32_t> formats = []
    {
        const int pairs[][2] = {{0, 1},   {1, 2},   {2, 3},   {3, 4},   {4, 4},   {5, 5},   {6, 6},
                                {7, 6},   {8, 7},   {9, 7},   {10, 8},  {11, 7},  {12, 8},  {20, 9},
                                {13, 10}, {14, 4},  {18, 9},  {19, 16}, {21, 7},  {22, 8},  {23, 9},
                                {24, 10}, {25, 11}, {26, 12}, {35, 13}, {36, 14}, {27, 13}, {28, 14},
                                {29, 15}, {30, 16}, {31, 25}, {32, 36}, {33, 49}, {34, 64}};

        std::vector<int32_t> result;

        for (auto& pair : pairs)
            result.push_back ((int32_t)(((uint32_t)pair[0] << 16) | (uint32_t)pair[1]));

        return result;
    }();

    return formats;
}
}
