#include "AAX_CParameterManager.h"
#include "AAX_IParameter.h"

AAX_CParameterManager::~AAX_CParameterManager()
{
    DeleteAllParameters();
}

void AAX_CParameterManager::AttachAutomation (AAX_IAutomationDelegate* iAutomationDelegate)
{
    mAutomationTarget = iAutomationDelegate;

    // Parameters added under an earlier delegate (a host that initialises twice) move to the new
    // one, unregistering from the old one while it still exists.
    for (auto* parameter : mOrderedParameters)
        parameter->SetAutomationDelegate (iAutomationDelegate);
}

void AAX_CParameterManager::AddParameter (AAX_IParameter* param)
{
    if (param == nullptr)
        return;

    const std::string identifier (param->Identifier());

    // The caller handed the parameter over (JUCE's client adds all of its parameters again when a
    // host initialises twice): the one registered first stays, this one goes.
    if (mParametersById.count (identifier) != 0)
    {
        delete param;
        return;
    }

    param->SetAutomationDelegate (mAutomationTarget);
    mOrderedParameters.push_back (param);
    mParametersById.emplace (identifier, param);
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier)
{
    if (identifier == nullptr)
        return nullptr;

    const auto found = mParametersById.find (identifier);
    return found != mParametersById.end() ? found->second : nullptr;
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID identifier) const
{
    return const_cast<AAX_CParameterManager*> (this)->GetParameterByID (identifier);
}

void AAX_CParameterManager::DeleteAllParameters()
{
    for (auto* param : mOrderedParameters)
        delete param; // the parameter unregisters itself from the automation delegate

    mOrderedParameters.clear();
    mParametersById.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index)
{
    if (index < 0 || index >= NumParameters())
        return nullptr;

    return mOrderedParameters[static_cast<size_t> (index)];
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index) const
{
    return const_cast<AAX_CParameterManager*> (this)->GetParameter (index);
}
