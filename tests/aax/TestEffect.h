// A data model for the library's tests, initialised with the fake host's instance context.
#pragma once

#include "AAX_CEffectParameters.h"
#include "FakeHost.h"

#include <string>
#include <vector>

namespace aaxtest
{
/** Creates float parameters over 0..1 as JUCE's client does. */
AAX_IParameter* MakeFloatParameter (const char* identifier, float defaultValue = 0.0f, const char* name = "Gain");

/** A data model whose EffectInit adds the parameters given to it. */
class TestEffect : public AAX_CEffectParameters
{
public:
    struct Spec
    {
        std::string identifier;
        float defaultValue;
    };

    explicit TestEffect (std::vector<Spec> specs)
        : parameterSpecs (std::move (specs))
    {
    }

    AAX_Result EffectInit() override;

    AAX_CParameterManager& Manager() { return mParameterManager; }
    AAX_CPacketDispatcher& Dispatcher() { return mPacketDispatcher; }
    int32_t Changes() const { return mNumPlugInChanges; }
    const std::set<std::string>& ExcludedIDs() const { return mChunkExcludedIDs; }

    std::vector<Spec> parameterSpecs;
    int effectInitCalls = 0;
};

/** A TestEffect initialised in a host whose automation delegate (unless left out) confirms every set request. */
struct InitializedEffect
{
    explicit InitializedEffect (std::vector<TestEffect::Spec> specs, bool hostAutomation = true);
    ~InitializedEffect();

    double value (const char* id) const;

    FakeHost::InstanceContext context;
    TestEffect* effect;
};
}
