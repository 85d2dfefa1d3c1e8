#include "HostPageTable.h"

#include <AAX_Errors.h>
#include <AAX_IString.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
namespace
{
    constexpr int32_t maxSlotsPerPage = 1024;
}

HostPageTable::HostPageTable (int numVersions)
    : HostObject (firstVersions ({IID_IAAXPageTableV1, IID_IAAXPageTableV2}, numVersions))
{
}

AAX_Result HostPageTable::Clear()
{
    pages.clear();
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::Empty (AAX_CBoolean* outIsEmpty)
{
    if (outIsEmpty == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outIsEmpty = pages.empty() ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetNumPages (int32_t* outNumPages)
{
    if (outNumPages == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outNumPages = (int32_t)pages.size();
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::InsertPage (int32_t page)
{
    if (page < 0 || page > (int32_t)pages.size())
        return AAX_ERROR_INVALID_ARGUMENT;

    pages.insert (pages.begin() + page, std::vector<std::string>());
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::RemovePage (int32_t page)
{
    if (!isPage (page))
        return AAX_ERROR_INVALID_ARGUMENT;

    pages.erase (pages.begin() + page);
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetNumMappedParameterIDs (int32_t page, int32_t* outNumParameterIDs)
{
    if (outNumParameterIDs == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (!isPage (page))
        return AAX_ERROR_INVALID_ARGUMENT;

    *outNumParameterIDs = (int32_t)pages[(size_t)page].size();
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::ClearMappedParameter (int32_t page, int32_t slot)
{
    if (!isPage (page) || slot < 0 || slot >= (int32_t)pages[(size_t)page].size())
        return AAX_ERROR_INVALID_ARGUMENT;

    pages[(size_t)page][(size_t)slot].clear();
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* outParameterID)
{
    if (outParameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (!isPage (page) || slot < 0 || slot >= (int32_t)pages[(size_t)page].size())
        return AAX_ERROR_INVALID_ARGUMENT;

    outParameterID->Set (pages[(size_t)page][(size_t)slot].c_str());
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (!isPage (page) || slot < 0 || slot >= maxSlotsPerPage)
        return AAX_ERROR_INVALID_ARGUMENT;

    auto& slots = pages[(size_t)page];

    if (slot >= (int32_t)slots.size())
        slots.resize ((size_t)slot + 1);

    slots[(size_t)slot] = parameterID;
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetNumParametersWithNameVariations (int32_t* outNumParameters)
{
    if (outNumParameters == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outNumParameters = (int32_t)nameVariations.size();
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* outParameterID)
{
    if (outParameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (index < 0 || index >= (int32_t)nameVariations.size())
        return AAX_ERROR_INVALID_ARGUMENT;

    outParameterID->Set (std::next (nameVariations.begin(), index)->first.c_str());
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t* outNumVariations)
{
    if (parameterID == nullptr || outNumVariations == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto found = nameVariations.find (parameterID);
    *outNumVariations = found != nameVariations.end() ? (int32_t)found->second.size() : 0;
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index,
                                                            AAX_IString* outName, int32_t* outLength)
{
    if (parameterID == nullptr || outName == nullptr || outLength == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto found = nameVariations.find (parameterID);

    if (found == nameVariations.end() || index < 0 || index >= (int32_t)found->second.size())
        return AAX_ERROR_INVALID_ARGUMENT;

    const auto& [length, name] = *std::next (found->second.begin(), index);
    outName->Set (name.c_str());
    *outLength = length;
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                             AAX_IString* outName)
{
    if (parameterID == nullptr || outName == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto found = nameVariations.find (parameterID);

    if (found == nameVariations.end())
        return AAX_ERROR_INVALID_ARGUMENT;

    const auto variation = found->second.find (length);

    if (variation == found->second.end())
        return AAX_ERROR_INVALID_ARGUMENT;

    outName->Set (variation->second.c_str());
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::ClearParameterNameVariations()
{
    nameVariations.clear();
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::ClearNameVariationsForParameter (AAX_CParamID parameterID)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    nameVariations.erase (parameterID);
    return AAX_SUCCESS;
}

AAX_Result HostPageTable::SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString* name, int32_t length)
{
    if (parameterID == nullptr || name == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    nameVariations[parameterID][length] = name->Get() != nullptr ? name->Get() : "";
    return AAX_SUCCESS;
}
}
