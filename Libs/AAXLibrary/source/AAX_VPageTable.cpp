#include "AAX_VPageTable.h"

#include "AAX_Errors.h"
#include "AAX_IString.h"
#include "AAX_UIDs.h"

AAX_VPageTable::AAX_VPageTable (IACFUnknown* hostPageTable)
{
    mIPageTable.QueryOfferedFrom (hostPageTable, IID_IAAXPageTableV1);
    mIPageTableV2.QueryOfferedFrom (hostPageTable, IID_IAAXPageTableV2);
}

AAX_VPageTable::~AAX_VPageTable() = default;

// Every operation answers AAX_ERROR_UNIMPLEMENTED without its host version, version 1 included.

AAX_Result AAX_VPageTable::Clear()
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::Clear);
}

AAX_Result AAX_VPageTable::Empty (AAX_CBoolean& outIsEmpty) const
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::Empty, &outIsEmpty);
}

AAX_Result AAX_VPageTable::GetNumPages (int32_t& outNumPages) const
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::GetNumPages, &outNumPages);
}

AAX_Result AAX_VPageTable::InsertPage (int32_t page)
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::InsertPage, page);
}

AAX_Result AAX_VPageTable::RemovePage (int32_t page)
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::RemovePage, page);
}

AAX_Result AAX_VPageTable::GetNumMappedParameterIDs (int32_t page, int32_t& outNumParameterIDs) const
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::GetNumMappedParameterIDs, page,
                               &outNumParameterIDs);
}

AAX_Result AAX_VPageTable::ClearMappedParameter (int32_t page, int32_t slot)
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::ClearMappedParameter, page, slot);
}

AAX_Result AAX_VPageTable::GetMappedParameterID (int32_t page, int32_t slot, AAX_IString& outParameterID) const
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::GetMappedParameterID, page, slot,
                               &outParameterID);
}

AAX_Result AAX_VPageTable::MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot)
{
    return mIPageTable.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable::MapParameterID, parameterID, page, slot);
}

AAX_Result AAX_VPageTable::GetNumParametersWithNameVariations (int32_t& outNumParameters) const
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::GetNumParametersWithNameVariations,
                                 &outNumParameters);
}

AAX_Result AAX_VPageTable::GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& outParameterID) const
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::GetNameVariationParameterIDAtIndex,
                                 index, &outParameterID);
}

AAX_Result AAX_VPageTable::GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& outNumVariations) const
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::GetNumNameVariationsForParameter,
                                 parameterID, &outNumVariations);
}

AAX_Result AAX_VPageTable::GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index,
                                                             AAX_IString& outName, int32_t& outLength) const
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::GetParameterNameVariationAtIndex,
                                 parameterID, index, &outName, &outLength);
}

AAX_Result AAX_VPageTable::GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                              AAX_IString& outName) const
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::GetParameterNameVariationOfLength,
                                 parameterID, length, &outName);
}

AAX_Result AAX_VPageTable::ClearParameterNameVariations()
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::ClearParameterNameVariations);
}

AAX_Result AAX_VPageTable::ClearNameVariationsForParameter (AAX_CParamID parameterID)
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::ClearNameVariationsForParameter,
                                 parameterID);
}

AAX_Result AAX_VPageTable::SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name, int32_t length)
{
    return mIPageTableV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::SetParameterNameVariation, parameterID,
                                 &name, length);
}
