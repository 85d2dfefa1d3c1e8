// Basic types and macros shared by the AAX interface library and the host.
#ifndef AAX_H
#define AAX_H

#include <cstddef>
#include <cstdint>

/** The 32-bit signed code that every call across the host boundary returns (0 = success). */
typedef int32_t AAX_Result;

/** A four-character type identifier, such as a chunk id or a notification type. */
typedef uint32_t AAX_CTypeID;

/** A parameter identifier: a NUL-terminated byte string. JUCE's client walks it with ++, so it is not const itself. */
typedef const char* AAX_CParamID;

/** Index of a field of the algorithm context. */
typedef int32_t AAX_CFieldIndex;

/** An 8-bit boolean as the host passes it. */
typedef uint8_t AAX_CBoolean;

typedef float AAX_CSampleRate;
typedef int32_t AAX_CPropertyValue;
typedef uint32_t AAX_CPropertyID;
typedef int32_t AAX_CProcPtrID;
typedef uint32_t AAX_CTimestamp;
typedef int64_t AAX_CTimeOfDay;

/** Calling convention of callbacks handed to the host: the platform default here. */
#define AAX_CALLBACK

/** Index of a member of an algorithm context made only of pointers: its offset in pointer-sized steps. */
#define AAX_FIELD_INDEX(aContextType, aMember) ((AAX_CFieldIndex)(offsetof (aContextType, aMember) / sizeof (void*)))

/** A stem format is (index << 16) + channel count. */
#define AAX_STEM_FORMAT(aIndex, aChannelCount) ((int32_t)(((uint32_t)(aIndex) << 16) | ((aChannelCount)&0xFFFF)))
#define AAX_STEM_FORMAT_CHANNEL_COUNT(aStemFormat) ((uint16_t)(((uint32_t)(aStemFormat)) & 0xFFFF))
#define AAX_STEM_FORMAT_INDEX(aStemFormat) ((int16_t)(((int32_t)(aStemFormat)) >> 16))

/** Host coordinates of a view: vertical first, then horizontal. */
struct AAX_Point
{
    AAX_Point() = default;
    AAX_Point (float inVert, float inHorz)
        : vert (inVert)
        , horz (inHorz)
    {
    }

    float vert = 0.0f;
    float horz = 0.0f;
};

inline bool operator== (const AAX_Point& a, const AAX_Point& b)
{
    return a.vert == b.vert && a.horz == b.horz;
}
inline bool operator!= (const AAX_Point& a, const AAX_Point& b)
{
    return !(a == b);
}

struct AAX_Rect
{
    AAX_Rect() = default;
    AAX_Rect (float inTop, float inLeft, float inWidth, float inHeight)
        : top (inTop)
        , left (inLeft)
        , width (inWidth)
        , height (inHeight)
    {
    }

    float top = 0.0f;
    float left = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

/** The host's chunk record: a 56-byte header followed by the chunk's data. */
struct AAX_SPlugInChunk
{
    int32_t fSize;           // data size in bytes, host byte order
    int32_t fVersion;        // chunk version, host byte order
    AAX_CTypeID fManID;      // manufacturer id
    AAX_CTypeID fProdID;     // product id
    AAX_CTypeID fPlugID;     // plug-in id
    AAX_CTypeID fChunkID;    // chunk id
    unsigned char fName[32]; // NUL-padded chunk name
    char fData[1];           // the host allocates room for fSize bytes here
};

/** Size of the chunk record's header, the offset of fData. */
#define AAX_PLUGIN_CHUNK_HEADER_SIZE 56

static_assert (offsetof (AAX_SPlugInChunk, fData) == AAX_PLUGIN_CHUNK_HEADER_SIZE, "chunk data starts at offset 56");

typedef AAX_SPlugInChunk* AAX_SPlugInChunkPtr;

/** One MIDI message with its timestamp. */
struct AAX_CMidiPacket
{
    uint32_t mTimestamp = 0;
    uint32_t mLength = 0;
    unsigned char mData[4] = {};
    AAX_CBoolean mIsImmediate = 0;
};

/** A buffer of MIDI packets. */
struct AAX_CMidiStream
{
    uint32_t mBufferSize = 0;
    AAX_CMidiPacket* mBuffer = nullptr;
};

#endif
