#ifndef AAX_IACFPAGETABLE_H
#define AAX_IACFPAGETABLE_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

class AAX_IString;

/** A host page table (the mapping of parameters onto control-surface pages), version 1 (IID_IAAXPageTableV1). */
class AAX_IACFPageTable : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;                                                                        // position 3
    virtual AAX_Result Empty (AAX_CBoolean* outIsEmpty) = 0;                                               // position 4
    virtual AAX_Result GetNumPages (int32_t* outNumPages) = 0;                                             // position 5
    virtual AAX_Result InsertPage (int32_t page) = 0;                                                      // position 6
    virtual AAX_Result RemovePage (int32_t page) = 0;                                                      // position 7
    virtual AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t* outNumParameterIDs) = 0;           // position 8
    virtual AAX_Result ClearMappedParameter (int32_t page, int32_t slot) = 0;                              // position 9
    virtual AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* outParameterID) = 0; // 10
    virtual AAX_Result MapParameterID (AAX_CParamID parameterID, int32_t page, int32_t slot) = 0;          // 11

protected:
    ~AAX_IACFPageTable() = default;
};

/** Version 2 (IID_IAAXPageTableV2): parameter name variations. */
class AAX_IACFPageTable_V2 : public AAX_IACFPageTable
{
public:
    virtual AAX_Result GetNumParametersWithNameVariations (int32_t* outNumParameters) = 0;                  // 12
    virtual AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* outParameterID) = 0; // 13
    virtual AAX_Result GetNumNameVariationsForParameter (AAX_CParamID parameterID,
                                                         int32_t* outNumVariations) = 0; // 14
    virtual AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID parameterID, int32_t index, AAX_IString* outName,
                                                         int32_t* outLength) = 0; // 15
    virtual AAX_Result GetParameterNameVariationOfLength (AAX_CParamID parameterID, int32_t length,
                                                          AAX_IString* outName) = 0;   // 16
    virtual AAX_Result ClearParameterNameVariations() = 0;                             // 17
    virtual AAX_Result ClearNameVariationsForParameter (AAX_CParamID parameterID) = 0; // 18
    virtual AAX_Result SetParameterNameVariation (AAX_CParamID parameterID, const AAX_IString* name,
                                                  int32_t length) = 0; // 19

protected:
    ~AAX_IACFPageTable_V2() = default;
};

/** The host's page-table controller, version 1 (IID_IAAXPageTableController): fills a host page table with a
    copy of a table the host knows. The last argument is the table to fill (may be null).
*/
class AAX_IACFPageTableController : public IACFUnknown
{
public:
    virtual AAX_Result CopyTableForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                           AAX_CPropertyValue plugInID, uint32_t tableType, int32_t tablePageSize,
                                           IACFUnknown* outTable) = 0; // position 3
    virtual AAX_Result CopyTableForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                           int32_t tablePageSize, IACFUnknown* outTable) = 0; // position 4

protected:
    ~AAX_IACFPageTableController() = default;
};

/** Version 2 (IID_IAAXPageTableControllerV2): the same copies, read from a page-table file. */
class AAX_IACFPageTableController_V2 : public AAX_IACFPageTableController
{
public:
    virtual AAX_Result CopyTableForEffectFromFile (const char* filePath, AAX_ETextEncoding filePathEncoding,
                                                   AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                   AAX_CPropertyValue plugInID, uint32_t tableType,
                                                   int32_t tablePageSize, IACFUnknown* outTable) = 0; // position 5
    virtual AAX_Result CopyTableForLayoutFromFile (const char* filePath, AAX_ETextEncoding filePathEncoding,
                                                   const char* layoutName, uint32_t tableType, int32_t tablePageSize,
                                                   IACFUnknown* outTable) = 0; // position 6

protected:
    ~AAX_IACFPageTableController_V2() = default;
};

#endif
