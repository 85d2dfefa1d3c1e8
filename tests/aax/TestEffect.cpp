#include "TestEffect.h"

#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"

#include <gtest/gtest.h>

namespace aaxtest
{
AAX_IParameter* MakeFloatParameter (const char* identifier, float defaultValue, const char* name)
{
    return new AAX_CParameter<float> (identifier, AAX_CString (name), defaultValue,
                                      AAX_CLinearTaperDelegate<float, 0>(), AAX_CNumberDisplayDelegate<float, 3>(),
                                      true);
}

AAX_Result TestEffect::EffectInit()
{
    for (const auto& spec : parameterSpecs)
        if (mParameterManager.GetParameterByID (spec.identifier.c_str()) == nullptr)
            mParameterManager.AddParameter (MakeFloatParameter (spec.identifier.c_str(), spec.defaultValue));

    ++effectInitCalls;
    return AAX_SUCCESS;
}

InitializedEffect::InitializedEffect (std::vector<TestEffect::Spec> specs, bool hostAutomation)
    : context (hostAutomation)
    , effect (new TestEffect (std::move (specs)))
{
    effect->AddRef();
    context.automation.confirmTo = effect;
    EXPECT_EQ (effect->Initialize (context.context.AsUnknown()), AAX_SUCCESS);
}

InitializedEffect::~InitializedEffect()
{
    effect->Uninitialize();
    effect->Release();
}

double InitializedEffect::value (const char* id) const
{
    double v = -1.0;
    effect->GetParameterNormalizedValue (id, &v);
    return v;
}
}
