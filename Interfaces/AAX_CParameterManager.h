// The plug-in's parameters in creation order, found by identifier.
#ifndef AAX_CPARAMETERMANAGER_H
#define AAX_CPARAMETERMANAGER_H

#include "AAX.h"

#include <map>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;
class AAX_IParameter;

/** Owns the parameters added to it. A parameter's position in the list is its index for the host. */
class AAX_CParameterManager
{
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    /** The automation delegate that every parameter, present and added from now on, is registered with. */
    void AttachAutomation (AAX_IAutomationDelegate* iAutomationDelegate);

    /** Takes ownership of the parameter, registers it with the automation delegate and appends it.
        A parameter whose identifier is already present is deleted; the one registered first stays.
        (JUCE's client calls this AddParameter.)
    */
    void AddParameter (AAX_IParameter* param);

    /** The parameter with exactly this identifier, or null (also for a null identifier). */
    AAX_IParameter* GetParameterByID (AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID (AAX_CParamID identifier) const;

    /** Deletes every parameter and empties the list. */
    void DeleteAllParameters();

    int32_t NumParameters() const noexcept { return static_cast<int32_t> (mOrderedParameters.size()); }

    /** The parameter at an index, or null for an index outside the list. */
    AAX_IParameter* GetParameter (int32_t index);
    const AAX_IParameter* GetParameter (int32_t index) const;

private:
    AAX_IAutomationDelegate* mAutomationTarget = nullptr;
    std::vector<AAX_IParameter*> mOrderedParameters;
    std::map<std::string, AAX_IParameter*> mParametersById;
};

#endif
