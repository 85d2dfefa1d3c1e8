#ifndef AAX_IPAGETABLE_H
#define AAX_IPAGETABLE_H

#include "AAX.h"

class AAX_IString;

/** A host page table: the mapping of parameters onto the pages and slots of control surfaces, and the shorter
    names the host may show for parameters.
*/
class AAX_IPageTable
{
public:
    virtual ~AAX_IPageTable() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result Empty (AAX_CBoolean& outIsEmpty) const = 0;
    virtual AAX_Result GetNumPages (int32_t& outNumPages) const = 0;
    virtual AAX_Result InsertPage (int32_t page) = 0;
    virtual AAX_Result RemovePage (int32_t page) = 0;
    virtual AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t& outNumParameterIDs) const = 0;
    virtual AAX_Result ClearMappedParameter (int32_t page, int32_t slot) = 0;
    virtual AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString& outParameterID) const = 0;
    virtual AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot) = 0;
    virtual AAX_Result GetNumParametersWithNameVariations (int32_t& outNumParameters) const = 0;
    virtual AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString& outParameterID) const = 0;
    virtual AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID, int32_t& outNumVariations) const = 0;
    virtual AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString& outName,
                                                         int32_t& outLength) const = 0;
    virtual AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                          AAX_IString& outName) const = 0;
    virtual AAX_Result ClearParameterNameVariations() = 0;
    virtual AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) = 0;
    virtual AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString& name,
                                                  int32_t length) = 0;
};

#endif
