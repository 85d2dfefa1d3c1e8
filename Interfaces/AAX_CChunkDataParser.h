// The controls chunk: parameter values as tagged big-endian records.
#ifndef AAX_CCHUNKDATAPARSER_H
#define AAX_CCHUNKDATAPARSER_H

#include "AAX.h"
#include "AAX_CString.h"

#include <cstdint>
#include <vector>

/** Builds and parses the record list of the controls chunk.

    Data layout (all numbers big-endian): the marker 01 01 01 01, then records that each start at a
    multiple of 4: a two-letter tag ("f_" float, "l_" int32, "d_" double, "s_" int16, "r_" string), the
    identifier and its NUL, zero padding to a multiple of 4, then the value.
*/
class AAX_CChunkDataParser
{
public:
    /** The kinds of record. */
    enum : int32_t
    {
        kUnknownKind = 0,
        kFloatKind = 1,
        kInt32Kind = 2,
        kDoubleKind = 3,
        kInt16Kind = 4,
        kStringKind = 5
    };

    /** The chunk's name in its header. */
    static constexpr const char* kChunkName = "Complete Controls State";

    /** The result of a write that would overflow the data area. */
    static constexpr AAX_Result kOverflowResult = -333;

    struct DataValue
    {
        int32_t mKind = kUnknownKind;
        AAX_CString mId;
        uint64_t mNumber = 0; // the float, int32, double or zero-extended int16, by its bits
        AAX_CString mText;
    };

    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    /** Empties the record list for a new build; the header version of a build is -1. */
    void Clear();

    void AddDouble (const char* name, double value);
    void AddInt32 (const char* name, int32_t value);
    void AddString (const char* name, const AAX_CString& value);

    /** The number of data bytes the records take, the marker included (4 for no records). */
    int32_t GetChunkDataSize() const;

    /** Writes the header's version and name, the marker and the records into a chunk whose data area
        holds inDataSize bytes, then sets the size field. Returns -333 (with a trace) when the records do
        not fit; then the size field is left as it was.
    */
    AAX_Result GetChunkData (AAX_SPlugInChunk* chunk, int32_t inDataSize) const;

    /** Replaces the records with those of the chunk. Reading stops at the first malformed record or at the
        end of the data given by the size field; it never reads past it.
    */
    void LoadChunk (const AAX_SPlugInChunk* chunk);

    /** Index of the record with exactly this identifier, or -1. Fast when values are looked up in the order
        they were written.
    */
    int32_t FindName (const AAX_CString& name);

    bool FindDouble (const char* name, double* value);
    bool FindInt32 (const char* name, int32_t* value);
    bool FindString (const char* name, AAX_CString* value);

    int32_t GetHeaderVersion() const noexcept { return mHeaderVersion; }
    const std::vector<DataValue>& GetRecords() const noexcept { return mRecords; }

private:
    const DataValue* FindRecord (const char* name, int32_t kind);

    int32_t mLastMatch = -1;
    int32_t mHeaderVersion = -1;
    std::vector<DataValue> mRecords;
};

#endif
