#include "AAX_CChunkDataParser.h"
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr uint32_t kMarker = 0x01010101u;
constexpr const char* kTags = "f_l_d_s_r_";
constexpr size_t kMaxRecordText = 255;

size_t RoundUpTo4 (size_t n) noexcept
{
    return (n + 3) & ~size_t (3);
}

/** Bytes of the value as stored, padding included. */
size_t PaddedValueSize (const AAX_CChunkDataParser::DataValue& record)
{
    switch (record.mKind)
    {
        case AAX_CChunkDataParser::kFloatKind:
        case AAX_CChunkDataParser::kInt32Kind:
        case AAX_CChunkDataParser::kInt16Kind:
            return 4;
        case AAX_CChunkDataParser::kDoubleKind:
            return 8;
        case AAX_CChunkDataParser::kStringKind:
            return RoundUpTo4 (record.mText.Length() + 1);
        default:
            return 0;
    }
}

void WriteBigEndian (unsigned char* dest, uint64_t value, size_t numBytes)
{
    for (size_t i = 0; i < numBytes; ++i)
        dest[i] = static_cast<unsigned char> (value >> (8 * (numBytes - 1 - i)));
}

uint64_t ReadBigEndian (const unsigned char* source, size_t numBytes)
{
    uint64_t value = 0;

    for (size_t i = 0; i < numBytes; ++i)
        value = (value << 8) | source[i];

    return value;
}

template <typename Target, typename Source>
Target BitCast (const Source& source)
{
    static_assert (sizeof (Target) == sizeof (Source));
    Target target;
    std::memcpy (&target, &source, sizeof (Target));
    return target;
}
}

void AAX_CChunkDataParser::Clear()
{
    mLastMatch = -1;
    mHeaderVersion = -1;
    mRecords.clear();
}

void AAX_CChunkDataParser::AddDouble (const char* name, double value)
{
    DataValue record;
    record.mKind = kDoubleKind;
    record.mId = AAX_CString (name);
    record.mNumber = BitCast<uint64_t> (value);
    mRecords.push_back (std::move (record));
}

void AAX_CChunkDataParser::AddInt32 (const char* name, int32_t value)
{
    DataValue record;
    record.mKind = kInt32Kind;
    record.mId = AAX_CString (name);
    record.mNumber = BitCast<uint32_t> (value);
    mRecords.push_back (std::move (record));
}

void AAX_CChunkDataParser::AddString (const char* name, const AAX_CString& value)
{
    DataValue record;
    record.mKind = kStringKind;
    record.mId = AAX_CString (name);
    record.mText = value;
    mRecords.push_back (std::move (record));
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    size_t size = 4;

    for (const auto& record : mRecords)
        size += RoundUpTo4 (record.mId.Length() + 3) + PaddedValueSize (record);

    return static_cast<int32_t> (size);
}

AAX_Result AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk, int32_t inDataSize) const
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    chunk->fVersion = mHeaderVersion;
    std::memset (chunk->fName, 0, sizeof (chunk->fName));
    std::memcpy (chunk->fName, kChunkName, std::strlen (kChunkName));

    if (inDataSize < 4)
        return kOverflowResult;

    const auto size = static_cast<size_t> (inDataSize);
    auto* data = reinterpret_cast<unsigned char*> (chunk->fData);
    std::memset (data, 0, size);
    WriteBigEndian (data, kMarker, 4);

    size_t pos = 4;

    for (const auto& record : mRecords)
    {
        const auto idLength = static_cast<size_t> (record.mId.Length());

        // Counted with padding, so that no byte is ever written past the data area.
        if (pos + RoundUpTo4 (idLength + 3) + PaddedValueSize (record) > size)
        {
            AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                                      "aborting: chunk data will overflow buffer");
            return kOverflowResult;
        }

        if (record.mKind >= kFloatKind && record.mKind <= kStringKind)
            std::memcpy (data + pos, kTags + 2 * (record.mKind - 1), 2);

        std::memcpy (data + pos + 2, record.mId.Get(), idLength + 1);
        pos = RoundUpTo4 (pos + idLength + 3);

        switch (record.mKind)
        {
            case kFloatKind:
            case kInt32Kind:
                WriteBigEndian (data + pos, record.mNumber, 4);
                break;
            case kDoubleKind:
                WriteBigEndian (data + pos, record.mNumber, 8);
                break;
            case kInt16Kind:
                WriteBigEndian (data + pos, record.mNumber, 2);
                break;
            case kStringKind:
                std::memcpy (data + pos, record.mText.Get(), record.mText.Length() + 1);
                break;
            default:
                break;
        }

        pos += PaddedValueSize (record);
    }

    chunk->fSize = inDataSize;
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk)
{
    Clear();

    if (chunk == nullptr)
        return;

    mHeaderVersion = chunk->fVersion;

    if (chunk->fSize <= 4)
        return;

    const auto size = static_cast<size_t> (chunk->fSize);
    const auto* data = reinterpret_cast<const unsigned char*> (chunk->fData);

    if (ReadBigEndian (data, 4) != kMarker)
        return;

    size_t pos = 4;

    while (pos < size)
    {
        const auto* text = data + pos;
        const auto searchLength = std::min (kMaxRecordText, size - pos);
        const auto* nul = static_cast<const unsigned char*> (std::memchr (text, 0, searchLength));

        if (nul == nullptr)
            return;

        const auto textLength = static_cast<size_t> (nul - text);
        pos = RoundUpTo4 (pos + textLength + 1);

        DataValue record;

        if (textLength > 2)
            record.mId = AAX_CString (std::string (reinterpret_cast<const char*> (text) + 2, textLength - 2).c_str());

        const auto fits = [pos, size] (size_t numBytes) { return pos <= size && numBytes <= size - pos; };

        switch (textLength > 0 ? text[0] : 0)
        {
            case 'd':
                if (!fits (8))
                    return;

                record.mKind = kDoubleKind;
                record.mNumber = ReadBigEndian (data + pos, 8);
                pos += 8;
                break;

            case 'f':
            case 'l':
                if (!fits (4))
                    return;

                record.mKind = text[0] == 'f' ? kFloatKind : kInt32Kind;
                record.mNumber = ReadBigEndian (data + pos, 4);
                pos += 4;
                break;

            case 's':
                if (!fits (2))
                    return;

                record.mKind = kInt16Kind;
                record.mNumber = ReadBigEndian (data + pos, 2);
                pos += 4;
                break;

            case 'r':
            {
                if (!fits (1))
                    return;

                const auto* value = data + pos;
                const auto* valueEnd = static_cast<const unsigned char*> (std::memchr (value, 0, size - pos));

                if (valueEnd == nullptr)
                    return;

                const auto valueLength = static_cast<size_t> (valueEnd - value);
                record.mKind = kStringKind;
                record.mText = AAX_CString (std::string (reinterpret_cast<const char*> (value), valueLength).c_str());
                pos += RoundUpTo4 (valueLength + 1);
                break;
            }

            default:
                record.mKind = kUnknownKind;
                break;
        }

        mRecords.push_back (std::move (record));
    }
}

int32_t AAX_CChunkDataParser::FindName (const AAX_CString& name)
{
    const auto count = static_cast<int32_t> (mRecords.size());

    if (mLastMatch >= count - 1)
        mLastMatch = -1;

    for (auto i = mLastMatch + 1; i < count; ++i)
    {
        if (mRecords[static_cast<size_t> (i)].mId == name)
            return mLastMatch = i;
    }

    for (int32_t i = 0; i <= mLastMatch; ++i)
    {
        if (mRecords[static_cast<size_t> (i)].mId == name)
            return mLastMatch = i;
    }

    return -1;
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::FindRecord (const char* name, int32_t kind)
{
    const auto index = FindName (AAX_CString (name != nullptr ? name : ""));

    if (index < 0)
        return nullptr;

    const auto& record = mRecords[static_cast<size_t> (index)];
    return record.mKind == kind ? &record : nullptr;
}

bool AAX_CChunkDataParser::FindDouble (const char* name, double* value)
{
    const auto* record = FindRecord (name, kDoubleKind);

    if (record == nullptr || value == nullptr)
        return false;

    *value = BitCast<double> (record->mNumber);
    return true;
}

bool AAX_CChunkDataParser::FindInt32 (const char* name, int32_t* value)
{
    const auto* record = FindRecord (name, kInt32Kind);

    if (record == nullptr || value == nullptr)
        return false;

    *value = BitCast<int32_t> (static_cast<uint32_t> (record->mNumber));
    return true;
}

bool AAX_CChunkDataParser::FindString (const char* name, AAX_CString* value)
{
    const auto* record = FindRecord (name, kStringKind);

    if (record == nullptr || value == nullptr)
        return false;

    *value = record->mText;
    return true;
}
