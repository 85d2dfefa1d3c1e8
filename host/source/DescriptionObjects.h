#pragma once

#include "HostObject.h"
#include "HostState.h"
#include "Diagnostics.h"
#include "PluginDescription.h"

#include <AAX_IACFCollection.h>
#include <AAX_IACFComponentDescriptor.h>
#include <AAX_IACFDescriptionHost.h>
#include <AAX_IACFEffectDescriptor.h>
#include <AAX_IACFFeatureInfo.h>
#include <AAX_IACFPropertyMap.h>

namespace aaxhost
{
/** A host property map: integer, identifier-array and pointer properties. */
class HostPropertyMap final : public HostObject<AAX_IACFPropertyMap_V3>
{
public:
    explicit HostPropertyMap (int numVersions = 3, Diagnostics* callLog = nullptr);

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                       uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                         uint32_t* outCount) override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;

    const PropertyList& getProperties() const noexcept { return properties; }

    /** The host's own filling of a map it hands out (not one of the plug-in's calls, so not logged). */
    void setHostProperty (int32_t property, std::optional<int32_t> value);

    /** The host map behind an interface pointer the plug-in passed, or null when it is none of the host's. */
    static const HostPropertyMap* find (IACFUnknown* object);

private:
    void note (const std::string& call) const;

    Diagnostics* const log;
    PropertyList properties;
    std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>> idArrays;
};

/** A host component descriptor: records the algorithm context's fields and the process procedures. */
class HostComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V3>
{
public:
    explicit HostComponentDescriptor (int numVersions = 3, Diagnostics* callLog = nullptr);

    AAX_Result Clear() override;
    AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType portType) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                            uint32_t channelMask) override;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                      AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                      uint32_t* outProcID) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
                                  const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                  uint32_t* outProcID) override;
    AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddProcessProc (IACFUnknown* properties, uint32_t* procIDs, int32_t capacity) override;

    const ComponentDescription& getDescription() const noexcept { return description; }

private:
    AAX_Result addField (AAX_CFieldIndex index, FieldKind kind, uint32_t size = 0, int32_t option = 0,
                         std::string name = {});

    void note (const std::string& call) const;

    Diagnostics* const log;
    ComponentDescription description;
    uint32_t nextProcedureID = 1;
};

/** A host effect descriptor: names, categories, procedures, components and meters of one effect. */
class HostEffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    explicit HostEffectDescriptor (int numVersions = 2, Diagnostics* callLog = nullptr);

    AAX_Result AddComponent (IACFUnknown* componentDescriptor) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr (void* procPointer, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;
    AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName, IACFUnknown* propertyMap) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                   uint32_t channelMask) override;

    const EffectDescription& getDescription() const noexcept { return description; }

private:
    void note (const std::string& call) const;

    Diagnostics* const log;
    EffectDescription description;
};

/** The host's description collection; it is also the plug-in definition the registration hands back. */
class HostCollection final : public HostObject<AAX_IACFCollection>
{
public:
    explicit HostCollection (bool offersPluginDefinition, Diagnostics* callLog = nullptr);

    AAX_Result ReservedOperation3() override;
    AAX_Result ReservedOperation4() override;
    AAX_Result ReservedOperation5() override;
    AAX_Result ReservedOperation6() override;
    AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* packageName) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;

    const PluginDescription& getDescription() const noexcept { return description; }

private:
    void note (const std::string& call) const;

    Diagnostics* const log;
    PluginDescription description;
};

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

/** The host's description services: answers which stem formats the host takes. */
class HostDescriptionHost final : public HostObject<AAX_IACFDescriptionHost>
{
public:
    explicit HostDescriptionHost (HostState& state);

    AAX_Result AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** outFeatureInfo) override;

private:
    HostState& state;
};

/** The stem formats the host knows, in the order it lists them in its feature answers. */
const std::vector<int32_t>& getKnownStemFormats();
}
