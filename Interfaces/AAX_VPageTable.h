#ifndef AAX_VPAGETABLE_H
#define AAX_VPAGETABLE_H

#include "AAX_IPageTable.h"
#include "AAX_IACFPageTable.h"
#include "AAX_CHostInterfaceRef.h"

/** A host page table. Every operation answers AAX_ERROR_UNIMPLEMENTED when the host lacks its version. */
class AAX_VPageTable : public AAX_IPageTable
{
public:
    /** Queries versions 1 and 2 from `hostPageTable` (may be null). */
    explicit AAX_VPageTable (IACFUnknown* hostPageTable);
    ~AAX_VPageTable() override;

    AAX_Result Clear() override;
    AAX_Result Empty (AAX_CBoolean& outIsEmpty) const override;
    AAX_Result GetNumPages (int32_t& outNumPages) const override;
    AAX_Result InsertPage (int32_t page) override;
    AAX_Result RemovePage (int32_t page) override;
    AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t& outNumParameterIDs) const override;
    AAX_Result ClearMappedParameter (int32_t page, int32_t slot) override;
    AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString& outParameterID) const override;
    AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot) override;
    AAX_Result GetNumParametersWithNameVariations (int32_t& outNumParameters) const override;
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& outParameterID) const override;
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& outNumVariations) const override;
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString& outName,
                                                 int32_t& outLength) const override;
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                  AAX_IString& outName) const override;
    AAX_Result ClearParameterNameVariations() override;
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) override;
    AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name, int32_t length) override;

    /** True when the host table offers version 1, the base of every operation. */
    bool IsSupported() const noexcept { return static_cast<bool> (mIPageTable); }

    /** The host's version-1 page table, or null (no reference added). */
    IACFUnknown* GetIUnknown() const noexcept { return mIPageTable.Get(); }

private:
    // The host sees these released in reverse order of declaration, so keep the order: version 2, then version 1.
    AAX_CHostInterfaceRef<AAX_IACFPageTable> mIPageTable;
    AAX_CHostInterfaceRef<AAX_IACFPageTable_V2> mIPageTableV2;
};

#endif
