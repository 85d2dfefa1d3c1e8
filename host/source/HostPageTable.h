#pragma once

#include "HostObject.h"

#include <AAX_IACFPageTable.h>

#include <map>
#include <string>
#include <vector>

namespace aaxhost
{
/** A host page table: parameters mapped onto the slots of control-surface pages, and the shorter names a
    parameter may be shown with.
*/
class HostPageTable final : public HostObject<AAX_IACFPageTable_V2>
{
public:
    explicit HostPageTable (int numVersions = 2);

    AAX_Result Clear() override;
    AAX_Result Empty (AAX_CBoolean* outIsEmpty) override;
    AAX_Result GetNumPages (int32_t* outNumPages) override;
    AAX_Result InsertPage (int32_t page) override;
    AAX_Result RemovePage (int32_t page) override;
    AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t* outNumParameterIDs) override;
    AAX_Result ClearMappedParameter (int32_t page, int32_t slot) override;
    AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* outParameterID) override;
    AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot) override;
    AAX_Result GetNumParametersWithNameVariations (int32_t* outNumParameters) override;
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* outParameterID) override;
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t* outNumVariations) override;
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString* outName,
                                                 int32_t* outLength) override;
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                  AAX_IString* outName) override;
    AAX_Result ClearParameterNameVariations() override;
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) override;
    AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString* name, int32_t length) override;

    /** The pages, each a list of slots holding a parameter identifier (empty: a free slot). */
    const std::vector<std::vector<std::string>>& getPages() const noexcept { return pages; }

private:
    bool isPage (int32_t page) const noexcept { return page >= 0 && page < (int32_t)pages.size(); }

    std::vector<std::vector<std::string>> pages;
    std::map<std::string, std::map<int32_t, std::string>> nameVariations; // by identifier, then by length
};
}
