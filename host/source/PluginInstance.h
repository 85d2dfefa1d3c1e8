#pragma once

#include "ComPtr.h"
#include "InstanceState.h"
#include "PluginDescription.h"

#include <AAX.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class AAX_IACFEffectParameters;

namespace aaxhost
{
class Host;
class InstanceContext;
struct InstanceSettings;

/** One saved chunk of an instance's state. */
struct PluginChunk
{
    uint32_t id = 0;
    int32_t version = 0;
    std::string name;
    std::vector<char> data;
};

/** What the host reads about one parameter. */
struct ParameterInfo
{
    std::string id, name;
    double defaultValue = 0.0; // normalized
    double value = 0.0;        // normalized
    int32_t numSteps = 0;
    bool automatable = false;
    std::string valueString; // the data model's own text of the current value
    std::string valueText;   // the plug-in's text for the current value
};

/** A running instance of one component: the plug-in's data model, initialised with the host's controller,
    and the algorithm context the host builds from the component's fields and hands to the native process
    procedure block by block.

    Creation runs the road a host takes: the data-model factory (procedure 0), Initialize with the
    instance's context, ResetFieldData of every private field, and GenerateCoefficients for the first
    packets. Destruction runs Uninitialize and drops the host's references, which destroys the data model.
    Parameter and chunk calls belong on the host's main thread, process() on its audio thread.
*/
class PluginInstance
{
public:
    /** `hostState` keeps what the host shares with its instances, the plug-in's module included, alive for as
        long as the instance lives.
    */
    PluginInstance (std::shared_ptr<HostState> hostState, const EffectDescription& effect,
                    const ComponentDescription& component, const InstanceSettings& settings,
                    ComPtr<IACFUnknown> componentFactory);
    ~PluginInstance();

    PluginInstance (const PluginInstance&) = delete;
    PluginInstance& operator= (const PluginInstance&) = delete;

    //==============================================================================
    int getNumInputChannels() const noexcept { return numInputs; }
    int getNumOutputChannels() const noexcept { return numOutputs; }
    int getMaxBlockSize() const noexcept { return maxBlockSize; }
    double getSampleRate() const noexcept { return instanceState->sampleRate; }
    int32_t getLatency() const noexcept { return instanceState->signalLatency.load(); }

    /** Delivers posted packets to the context and runs the process procedure over one block. Input and
        output are separate buffers of numFrames samples per channel; numFrames may be at most
        getMaxBlockSize().
    */
    void process (const float* const* inputs, float* const* outputs, int numFrames);

    //==============================================================================
    int getNumParameters() const;
    std::string getParameterID (int index) const;
    bool hasParameter (const std::string& id) const;
    ParameterInfo getParameterInfo (const std::string& id) const;
    std::vector<ParameterInfo> getParameters() const;

    double getNormalizedValue (const std::string& id) const;
    std::string getValueString (const std::string& id) const;
    std::string getTextForValue (const std::string& id, double normalized) const;
    std::optional<double> getValueFromText (const std::string& id, const std::string& text) const;

    /** Sets a parameter from the host side (SetParameterNormalizedValue), then answers what the plug-in
        asked of the automation delegate and collects the coefficient packets.
    */
    AAX_Result setNormalizedValue (const std::string& id, double normalized);

    /** The host's confirmed value for a parameter (UpdateParameterNormalizedValue), as automation
        playback delivers it; then collects the coefficient packets.
    */
    AAX_Result updateNormalizedValue (const std::string& id, double normalized);

    /** What the host does between calls: confirms pending set-value requests of the automation delegate
        with UpdateParameterNormalizedValue and calls GenerateCoefficients. Returns the number of requests
        answered.
    */
    int serviceAutomation();

    /** Every call the plug-in made on the automation delegate, in order. */
    std::vector<AutomationEvent> getAutomationEvents() const;
    void clearAutomationEvents();

    //==============================================================================
    /** Every chunk the data model lists, each sized and fetched on the calling thread. */
    std::vector<PluginChunk> getChunks() const;

    /** Fetches one chunk; throws PluginError when the plug-in refuses it. */
    PluginChunk getChunk (uint32_t chunkID) const;

    /** Hands a chunk back to the data model, then serves the automation requests it caused. */
    AAX_Result setChunk (const PluginChunk& chunk);

    /** Asks the data model whether a chunk matches its current state. */
    bool isChunkEqual (const PluginChunk& chunk) const;

    /** Asks the data model to fill a host page table (UpdatePageTable of its version-4 interface). */
    AAX_Result updatePageTable (IACFUnknown* pageTable, uint32_t tableType, int32_t tablePageSize);

    //==============================================================================
    /** The data model's effect-parameters interface (version 1), for calls the host API does not wrap. */
    AAX_IACFEffectParameters* getEffectParameters() const noexcept;

    /** The unknown the instance was initialised with: it leads to the controller, transport and automation
        delegate of the instance and to its data model (a GUI object is initialised with it as well).
    */
    IACFUnknown* getContext() const noexcept;

    /** The field storage of the algorithm context, by field index (null for fields the host leaves empty). */
    void* getFieldData (int32_t fieldIndex) const;

private:
    void buildAlgorithmContext (const ComponentDescription& component);
    void resetPrivateFields();
    void deliverPackets();
    std::vector<char> makeChunkRecord (uint32_t chunkID, size_t dataSize) const;

    struct FieldStorage
    {
        ContextField field;
        std::vector<std::max_align_t> block; // aligned, zero-filled
        void* data() noexcept { return block.empty() ? nullptr : block.data(); }
    };

    // Declared first so that it goes last, once every call into the plug-in's code has returned.
    const std::shared_ptr<HostState> hostState;

    std::shared_ptr<InstanceState> instanceState;
    ComPtr<InstanceContext> context;
    ComPtr<IACFUnknown> dataModel;
    ComPtr<AAX_IACFEffectParameters> parameters;

    using ProcessProcedure = void (*) (void* const instancesBegin[], const void* instancesEnd);
    ProcessProcedure processProcedure = nullptr;

    int numInputs = 0, numOutputs = 0, maxBlockSize = 0;
    uint32_t manufacturerID = 0, productID = 0, pluginID = 0;

    std::vector<FieldStorage> fields;
    std::vector<void*> algorithmContext; // one pointer per field, by index
    std::vector<const float*> inputPointers;
    std::vector<float*> outputPointers;
    int32_t* bufferLength = nullptr;
    bool initialized = false;
};
}
