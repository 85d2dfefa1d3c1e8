#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace aaxhost
{
/** The properties a plug-in put into one property map, in the order it added them. */
struct PropertyList
{
    std::vector<std::pair<int32_t, int32_t>> values;                 // (property, value), in order of addition
    std::map<int32_t, const void*> pointers;                         // pointer-valued properties
    std::vector<std::pair<int32_t, std::vector<uint32_t>>> idArrays; // plug-in identifier triads, flattened

    /** The value last added for a property, if any. */
    std::optional<int32_t> get (int32_t property) const;
    const void* getPointer (int32_t property) const;

    void set (int32_t property, int32_t value);
    bool remove (int32_t property);
};

/** What a field of the algorithm context holds; the host builds the context from these. */
enum class FieldKind
{
    audioIn,
    audioOut,
    audioBufferLength,
    sampleRate,
    clock,
    sideChainIn,
    dataInPort,
    auxOutputStem,
    privateData,
    temporaryData,
    dmaInstance,
    meters,
    midiNode,
    reserved
};

const char* toString (FieldKind kind) noexcept;

/** One field of the algorithm context, as the component descriptor declared it. */
struct ContextField
{
    int32_t index = 0;
    FieldKind kind = FieldKind::reserved;
    uint32_t size = 0;  // bytes of a data-in port, private or temporary block; meter count for meters
    int32_t option = 0; // port type of a data-in port, options of private data, stem format of an aux output
    std::string name;   // name of an aux output stem or a MIDI node
};

/** A process procedure registered on a component, with the properties it was registered with. */
struct ProcessProcedure
{
    void* nativeProcess = nullptr;
    void* instanceInit = nullptr;
    void* background = nullptr;
    std::string tiModule, tiProcessSymbol;
    PropertyList properties;
    uint32_t id = 0;
};

/** One component: a supported stem-format pair with its algorithm context and process procedures. */
struct ComponentDescription
{
    std::vector<ContextField> fields; // in order of declaration
    std::vector<ProcessProcedure> processProcedures;

    /** The stem formats and plug-in identifiers, read from the first process procedure's properties. */
    int32_t getInputStemFormat() const;
    int32_t getOutputStemFormat() const;
    int getNumInputChannels() const;
    int getNumOutputChannels() const;
    const PropertyList* getProperties() const;
};

struct MeterDescription
{
    uint32_t id = 0;
    std::string name;
    PropertyList properties;
};

/** One effect, as an effect descriptor described it. */
struct EffectDescription
{
    std::string effectID;
    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::vector<std::pair<int32_t, void*>> procedures; // (procedure identifier, pointer), in order of addition
    std::vector<ComponentDescription> components;
    std::vector<MeterDescription> meters;
    std::vector<std::pair<int32_t, std::string>> resources;
    PropertyList properties;

    void* getProcedure (int32_t procedureID) const;
};

/** Everything the plug-in told the host during registration. */
struct PluginDescription
{
    std::string manufacturerName;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
    std::vector<EffectDescription> effects;
    PropertyList properties;
};

/** Human-readable four-character code ('Manu'), or hex when the bytes are not printable. */
std::string fourCharCode (uint32_t code);
}
