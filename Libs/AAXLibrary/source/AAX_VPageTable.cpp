#include "AAX_VPageTable.h"

#include "AAX_Errors.h"
#include "AAX_IString.h"
#include "AAX_UIDs.h"

AAX_VPageTable::AAX_VPageTable (IACFUnknown* hostPageTable)
{
    mIPageTable.QueryOfferedFrom (hostPageTable, IID_IAAXPageTableV1);
    mIPageTableV2.QueryOfferedFrom (hostPageTable, IID_IAAXPageTableV2);
}

AAX_VPageTable::~AAX_VPageTable()
{
    // Members go in reverse order: version 2, then version 1.
}

// Every operation answers AAX_ERROR_UNIMPLEMENTED without its host version, version 1 included.

AAX_Result AAX_VPageTable::Clear()
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->Clear();
}

AAX_Result AAX_VPageTable::Empty (AAX_CBoolean& outIsEmpty) const
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->Empty (&outIsEmpty);
}

AAX_Result AAX_VPageTable::GetNumPages (int32_t& outNumPages) const
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->GetNumPages (&outNumPages);
}

AAX_Result AAX_VPageTable::InsertPage (int32_t page)
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->InsertPage (page);
}

AAX_Result AAX_VPageTable::RemovePage (int32_t page)
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->RemovePage (page);
}

AAX_Result AAX_VPageTable::GetNumMappedParameterIDs (int32_t page, int32_t& outNumParameterIDs) const
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->GetNumMappedParameterIDs (page, &outNumParameterIDs);
}

AAX_Result AAX_VPageTable::ClearMappedParameter (int32_t page, int32_t slot)
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->ClearMappedParameter (page, slot);
}

AAX_Result AAX_VPageTable::GetMappedParameterID (int32_t page, int32_t slot, AAX_IString& outParameterID) const
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->GetMappedParameterID (page, slot, &outParameterID);
}

AAX_Result AAX_VPageTable::MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot)
{
    if (!mIPageTable)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTable->MapParameterID (parameterID, page, slot);
}

AAX_Result AAX_VPageTable::GetNumParametersWithNameVariations (int32_t& outNumParameters) const
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->GetNumParametersWithNameVariations (&outNumParameters);
}

AAX_Result AAX_VPageTable::GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& outParameterID) const
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->GetNameVariationParameterIDAtIndex (index, &outParameterID);
}

AAX_Result AAX_VPageTable::GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& outNumVariations) const
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->GetNumNameVariationsForParameter (parameterID, &outNumVariations);
}

AAX_Result AAX_VPageTable::GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index,
                                                             AAX_IString& outName, int32_t& outLength) const
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->GetParameterNameVariationAtIndex (parameterID, index, &outName, &outLength);
}

AAX_Result AAX_VPageTable::GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                              AAX_IString& outName) const
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->GetParameterNameVariationOfLength (parameterID, length, &outName);
}

AAX_Result AAX_VPageTable::ClearParameterNameVariations()
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->ClearParameterNameVariations();
}

AAX_Result AAX_VPageTable::ClearNameVariationsForParameter (AAX_CParamID parameterID)
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->ClearNameVariationsForParameter (parameterID);
}

AAX_Result AAX_VPageTable::SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name, int32_t length)
{
    if (!mIPageTableV2)
        return AAX_ERROR_UNIMPLEMENTED;

    return mIPageTableV2->SetParameterNameVariation (parameterID, &name, length);
}
