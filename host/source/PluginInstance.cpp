#include "PluginInstance.h"

#include "Host.h"
#include "HostString.h"
#include "InstanceObjects.h"

#include <AAX_Errors.h>
#include <AAX_IACFEffectParameters.h>
#include <AAX_UIDs.h>

#include <algorithm>
#include <cstring>

namespace aaxhost
{
namespace
{
    // Texts the host asks for are limited as a host's display would limit them.
    constexpr int32_t maxTextLength = 64;

    std::vector<std::max_align_t> zeroedBlock (size_t bytes)
    {
        return std::vector<std::max_align_t> ((bytes + sizeof (std::max_align_t) - 1) / sizeof (std::max_align_t));
    }

    AAX_EStemFormat toStemFormat (int32_t value)
    {
        return static_cast<AAX_EStemFormat> (value);
    }
}

PluginInstance::PluginInstance (std::shared_ptr<HostState> sharedHostState, const EffectDescription& effect,
                                const ComponentDescription& component, const InstanceSettings& settings,
                                ComPtr<IACFUnknown> componentFactory)
    : hostState (std::move (sharedHostState))
    , instanceState (std::make_shared<InstanceState> (*hostState))
{
    if (settings.sampleRate < 1.0)
        throw PluginError ("the sample rate must be positive", AAX_ERROR_INVALID_ARGUMENT);

    if (settings.maxBlockSize < 1)
        throw PluginError ("the block size must be positive", AAX_ERROR_INVALID_ARGUMENT);

    using CreateDataModel = void* (*)();
    const auto create =
        reinterpret_cast<CreateDataModel> (effect.getProcedure (kAAX_ProcPtrID_Create_EffectParameters));

    if (create == nullptr)
        throw PluginError ("the effect registered no data-model factory (procedure 0)", AAX_ERROR_NULL_OBJECT);

    if (component.processProcedures.empty() || component.processProcedures.front().nativeProcess == nullptr)
        throw PluginError ("the component registered no native process procedure", AAX_ERROR_NULL_OBJECT);

    processProcedure = reinterpret_cast<ProcessProcedure> (component.processProcedures.front().nativeProcess);

    if (const auto* properties = component.getProperties())
    {
        manufacturerID = (uint32_t)properties->get (AAX_eProperty_ManufacturerID).value_or (0);
        productID = (uint32_t)properties->get (AAX_eProperty_ProductID).value_or (0);
        pluginID = (uint32_t)properties->get (AAX_eProperty_PlugInID_Native).value_or (0);
    }

    numInputs = component.getNumInputChannels();
    numOutputs = component.getNumOutputChannels();
    maxBlockSize = settings.maxBlockSize;

    instanceState->effectID = effect.effectID;
    instanceState->sampleRate = (float)settings.sampleRate;
    instanceState->inputStemFormat = toStemFormat (component.getInputStemFormat());
    instanceState->outputStemFormat = toStemFormat (component.getOutputStemFormat());

    for (auto& field : component.fields)
        if (field.kind == FieldKind::dataInPort)
            instanceState->portSizes[field.index] = field.size;

    // The factory returns the object with no reference; the host's first comes from QueryInterface.
    auto* const created = static_cast<IACFUnknown*> (create());

    if (created == nullptr)
        throw PluginError ("the data-model factory returned null", AAX_ERROR_NULL_OBJECT);

    dataModel = ComPtr<IACFUnknown>::share (created);
    parameters = ComPtr<AAX_IACFEffectParameters>::query (dataModel.get(), IID_IAAXEffectParametersV1);

    if (!parameters)
        throw PluginError ("the data model does not offer the effect-parameters interface", ACF_E_NOINTERFACE);

    context = ComPtr<InstanceContext>::share (new InstanceContext (instanceState, std::move (componentFactory)));
    context->setDataModel (dataModel.get());

    const auto result = parameters->Initialize (context.get());

    if (result != AAX_SUCCESS)
    {
        parameters->Uninitialize();
        context->setDataModel (nullptr);
        throw PluginError ("the data model's Initialize failed", result);
    }

    initialized = true;
    buildAlgorithmContext (component);
    resetPrivateFields();
    parameters->GenerateCoefficients();
    serviceAutomation();
}

PluginInstance::~PluginInstance()
{
    if (initialized)
        parameters->Uninitialize();

    // The context must not lead to a data model that is about to go.
    if (context)
        context->setDataModel (nullptr);

    parameters.reset();
    dataModel.reset();
}

//==============================================================================
void PluginInstance::buildAlgorithmContext (const ComponentDescription& component)
{
    int32_t numFields = 0;

    for (auto& field : component.fields)
        numFields = std::max (numFields, field.index + 1);

    algorithmContext.assign ((size_t)numFields, nullptr);
    inputPointers.assign ((size_t)std::max (numInputs, 1), nullptr);
    outputPointers.assign ((size_t)std::max (numOutputs, 1), nullptr);
    fields.reserve (component.fields.size());

    for (auto& field : component.fields)
    {
        FieldStorage storage{field, {}};

        switch (field.kind)
        {
            case FieldKind::audioBufferLength:
                storage.block = zeroedBlock (sizeof (int32_t));
                break;
            case FieldKind::sampleRate:
                storage.block = zeroedBlock (sizeof (AAX_CSampleRate));
                break;
            case FieldKind::clock:
                storage.block = zeroedBlock (sizeof (int64_t));
                break;
            case FieldKind::sideChainIn:
                storage.block = zeroedBlock (sizeof (int32_t));
                break;
            case FieldKind::dataInPort:
            case FieldKind::privateData:
                storage.block = zeroedBlock (field.size);
                break;
            case FieldKind::temporaryData:
                storage.block = zeroedBlock ((size_t)field.size * (size_t)maxBlockSize);
                break;
            case FieldKind::meters:
                storage.block = zeroedBlock (sizeof (float*) * field.size + sizeof (float) * field.size);
                break;

            // Audio fields point at the host's channel-pointer arrays; the rest this host leaves empty.
            case FieldKind::audioIn:
            case FieldKind::audioOut:
            case FieldKind::auxOutputStem:
            case FieldKind::dmaInstance:
            case FieldKind::midiNode:
            case FieldKind::reserved:
                break;
        }

        fields.push_back (std::move (storage));
    }

    for (auto& storage : fields)
    {
        auto& slot = algorithmContext[(size_t)storage.field.index];

        switch (storage.field.kind)
        {
            case FieldKind::audioIn:
                slot = inputPointers.data();
                break;
            case FieldKind::audioOut:
                slot = outputPointers.data();
                break;
            case FieldKind::audioBufferLength:
                slot = storage.data();
                bufferLength = static_cast<int32_t*> (slot);
                break;
            case FieldKind::sampleRate:
                slot = storage.data();
                *static_cast<AAX_CSampleRate*> (slot) = instanceState->sampleRate;
                break;
            case FieldKind::meters:
            {
                // An array of meter pointers followed by the meter values they point at.
                slot = storage.data();
                auto** taps = static_cast<float**> (slot);
                auto* values = reinterpret_cast<float*> (taps + storage.field.size);

                for (uint32_t i = 0; i < storage.field.size; ++i)
                    taps[i] = values + i;

                break;
            }
            default:
                slot = storage.data();
                break;
        }
    }
}

void PluginInstance::resetPrivateFields()
{
    // The data model sets up its private blocks itself (the JUCE client places its instance record and
    // prepares its processor here) before the first block is processed.
    for (auto& storage : fields)
        if (storage.field.kind == FieldKind::privateData)
            parameters->ResetFieldData (storage.field.index, storage.data(), storage.field.size);
}

void PluginInstance::deliverPackets()
{
    const std::lock_guard<std::mutex> guard (instanceState->packetLock);

    for (auto& [fieldIndex, payload] : instanceState->pendingPackets)
    {
        if (fieldIndex < 0 || fieldIndex >= (int32_t)algorithmContext.size())
            continue;

        if (auto* port = algorithmContext[(size_t)fieldIndex])
            std::memcpy (port, payload.data(), payload.size());
    }

    instanceState->pendingPackets.clear();
}

void* PluginInstance::getFieldData (int32_t fieldIndex) const
{
    return fieldIndex >= 0 && fieldIndex < (int32_t)algorithmContext.size() ? algorithmContext[(size_t)fieldIndex]
                                                                            : nullptr;
}

void PluginInstance::process (const float* const* inputs, float* const* outputs, int numFrames)
{
    if (numFrames < 1 || numFrames > maxBlockSize)
        throw PluginError ("a block of " + std::to_string (numFrames) + " frames is outside 1 to " +
                               std::to_string (maxBlockSize),
                           AAX_ERROR_INVALID_ARGUMENT);

    std::copy (inputs, inputs + numInputs, inputPointers.begin());
    std::copy (outputs, outputs + numOutputs, outputPointers.begin());

    if (bufferLength != nullptr)
        *bufferLength = numFrames;

    deliverPackets();

    void* const instances[] = {algorithmContext.data()};
    processProcedure (instances, instances + 1);

    instanceState->samplePosition += numFrames;
}

//==============================================================================
int PluginInstance::getNumParameters() const
{
    int32_t count = 0;
    return parameters->GetNumberOfParameters (&count) == AAX_SUCCESS ? (int)count : 0;
}

std::string PluginInstance::getParameterID (int index) const
{
    HostString id;
    return parameters->GetParameterIDFromIndex (index, &id) == AAX_SUCCESS ? id.str() : std::string();
}

bool PluginInstance::hasParameter (const std::string& id) const
{
    int32_t index = -1;
    return parameters->GetParameterIndex (id.c_str(), &index) == AAX_SUCCESS && index >= 0;
}

ParameterInfo PluginInstance::getParameterInfo (const std::string& id) const
{
    ParameterInfo info;
    info.id = id;

    HostString name;
    parameters->GetParameterName (id.c_str(), &name);
    info.name = name.str();

    parameters->GetParameterDefaultNormalizedValue (id.c_str(), &info.defaultValue);
    parameters->GetParameterNumberOfSteps (id.c_str(), &info.numSteps);

    AAX_CBoolean automatable = 0;
    parameters->GetParameterIsAutomatable (id.c_str(), &automatable);
    info.automatable = automatable != 0;

    info.value = getNormalizedValue (id);
    info.valueString = getValueString (id);
    info.valueText = getTextForValue (id, info.value);
    return info;
}

std::vector<ParameterInfo> PluginInstance::getParameters() const
{
    std::vector<ParameterInfo> result;

    for (int i = 0; i < getNumParameters(); ++i)
        result.push_back (getParameterInfo (getParameterID (i)));

    return result;
}

double PluginInstance::getNormalizedValue (const std::string& id) const
{
    double value = 0.0;
    parameters->GetParameterNormalizedValue (id.c_str(), &value);
    return value;
}

std::string PluginInstance::getValueString (const std::string& id) const
{
    HostString text;
    parameters->GetParameterValueString (id.c_str(), &text, maxTextLength);
    return text.str();
}

std::string PluginInstance::getTextForValue (const std::string& id, double normalized) const
{
    HostString text;
    parameters->GetParameterStringFromValue (id.c_str(), normalized, &text, maxTextLength);
    return text.str();
}

std::optional<double> PluginInstance::getValueFromText (const std::string& id, const std::string& text) const
{
    double value = 0.0;
    const HostString hostText (text);

    if (parameters->GetParameterValueFromString (id.c_str(), &value, hostText) != AAX_SUCCESS)
        return std::nullopt;

    return value;
}

AAX_Result PluginInstance::setNormalizedValue (const std::string& id, double normalized)
{
    const auto result = parameters->SetParameterNormalizedValue (id.c_str(), normalized);
    serviceAutomation();
    return result;
}

AAX_Result PluginInstance::updateNormalizedValue (const std::string& id, double normalized)
{
    const auto result =
        parameters->UpdateParameterNormalizedValue (id.c_str(), normalized, AAX_eUpdateSource_Parameter);
    parameters->GenerateCoefficients();
    return result;
}

int PluginInstance::serviceAutomation()
{
    int answered = 0;

    // Answering a request may cause new ones; each round takes what has been asked so far.
    for (int round = 0; round < 16; ++round)
    {
        std::vector<std::pair<std::string, double>> requests;

        {
            const std::lock_guard<std::mutex> guard (instanceState->automationLock);
            requests.swap (instanceState->pendingSetRequests);
        }

        if (requests.empty() || !instanceState->hostState.options.answerSetRequests)
            break;

        for (auto& [id, value] : requests)
            parameters->UpdateParameterNormalizedValue (id.c_str(), value, AAX_eUpdateSource_Parameter);

        answered += (int)requests.size();
    }

    parameters->GenerateCoefficients();
    return answered;
}

std::vector<AutomationEvent> PluginInstance::getAutomationEvents() const
{
    const std::lock_guard<std::mutex> guard (instanceState->automationLock);
    return instanceState->automationEvents;
}

void PluginInstance::clearAutomationEvents()
{
    const std::lock_guard<std::mutex> guard (instanceState->automationLock);
    instanceState->automationEvents.clear();
}

//==============================================================================
std::vector<char> PluginInstance::makeChunkRecord (uint32_t chunkID, size_t dataSize) const
{
    std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + std::max<size_t> (dataSize, 1), 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    chunk->fSize = (int32_t)dataSize;
    chunk->fVersion = 0;
    chunk->fManID = manufacturerID;
    chunk->fProdID = productID;
    chunk->fPlugID = pluginID;
    chunk->fChunkID = chunkID;
    return record;
}

PluginChunk PluginInstance::getChunk (uint32_t chunkID) const
{
    // Size and contents are asked on the same thread: JUCE's client keeps the state it measured per thread.
    uint32_t size = 0;
    auto result = parameters->GetChunkSize (chunkID, &size);

    if (result != AAX_SUCCESS)
        throw PluginError ("GetChunkSize of chunk " + fourCharCode (chunkID) + " failed", result);

    auto record = makeChunkRecord (chunkID, size);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    result = parameters->GetChunk (chunkID, chunk);

    if (result != AAX_SUCCESS)
        throw PluginError ("GetChunk of chunk " + fourCharCode (chunkID) + " failed", result);

    if (chunk->fSize < 0 || (uint32_t)chunk->fSize > size)
        throw PluginError ("chunk " + fourCharCode (chunkID) + " reports more data than its size allowed",
                           AAX_ERROR_INCORRECT_CHUNK_SIZE);

    PluginChunk saved;
    saved.id = chunkID;
    saved.version = chunk->fVersion;
    saved.name.assign (reinterpret_cast<const char*> (chunk->fName),
                       strnlen (reinterpret_cast<const char*> (chunk->fName), sizeof (chunk->fName)));
    saved.data.assign (chunk->fData, chunk->fData + chunk->fSize);
    return saved;
}

std::vector<PluginChunk> PluginInstance::getChunks() const
{
    int32_t count = 0;
    parameters->GetNumberOfChunks (&count);

    std::vector<PluginChunk> chunks;

    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CTypeID id = 0;

        if (parameters->GetChunkIDFromIndex (index, &id) == AAX_SUCCESS)
            chunks.push_back (getChunk (id));
    }

    return chunks;
}

AAX_Result PluginInstance::setChunk (const PluginChunk& saved)
{
    auto record = makeChunkRecord (saved.id, saved.data.size());
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    chunk->fVersion = saved.version;
    std::memcpy (chunk->fName, saved.name.data(), std::min (saved.name.size(), sizeof (chunk->fName)));

    if (!saved.data.empty())
        std::memcpy (chunk->fData, saved.data.data(), saved.data.size());

    const auto result = parameters->SetChunk (saved.id, chunk);
    serviceAutomation();
    return result;
}

bool PluginInstance::isChunkEqual (const PluginChunk& saved) const
{
    auto record = makeChunkRecord (saved.id, saved.data.size());
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());

    if (!saved.data.empty())
        std::memcpy (chunk->fData, saved.data.data(), saved.data.size());

    AAX_CBoolean isEqual = 0;
    parameters->CompareActiveChunk (chunk, &isEqual);
    return isEqual != 0;
}

AAX_Result PluginInstance::updatePageTable (IACFUnknown* pageTable, uint32_t tableType, int32_t tablePageSize)
{
    const auto latest = ComPtr<AAX_IACFEffectParameters_V4>::query (dataModel.get(), IID_IAAXEffectParametersV4);

    if (!latest)
        return AAX_ERROR_UNIMPLEMENTED;

    return latest->UpdatePageTable (tableType, tablePageSize, context.get(), pageTable);
}

//==============================================================================
AAX_IACFEffectParameters* PluginInstance::getEffectParameters() const noexcept
{
    return parameters.get();
}
IACFUnknown* PluginInstance::getContext() const noexcept
{
    return context.get();
}
}
