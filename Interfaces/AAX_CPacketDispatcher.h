// Coefficient packets: parameter changes turned into data for the audio algorithm.
#ifndef AAX_CPACKETDISPATCHER_H
#define AAX_CPACKETDISPATCHER_H

#include "AAX.h"
#include "AAX_CMutex.h"
#include "AAX_Errors.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class AAX_IController;
class AAX_IEffectParameters;

/** The data for one context field of the algorithm. */
class AAX_CPacket
{
public:
    /** The payload: a byte vector that never ends up empty. */
    class SPacketData
    {
    public:
        SPacketData();

        /** Resizes the payload to exactly inSize bytes (new bytes zero) and returns its first byte.
            Throws std::out_of_range for 0 bytes.
        */
        void* Get (size_t inSize);

        const void* Get() const noexcept { return mData.data(); }
        size_t Size() const noexcept { return mData.size(); }

    private:
        std::vector<unsigned char> mData;
    };

    explicit AAX_CPacket (AAX_CFieldIndex inFieldIndex)
        : mFieldIndex (static_cast<uint32_t> (inFieldIndex))
    {
    }

    /** The payload resized to hold one T; writes nothing. */
    template <typename T>
    T* GetPtr()
    {
        return static_cast<T*> (mBytes.Get (sizeof (T)));
    }

    uint32_t GetID() const noexcept { return mFieldIndex; }
    bool IsDirty() const noexcept { return mIsDirty; }
    void SetDirty (bool inDirty) noexcept { mIsDirty = inDirty; }
    uint32_t GetSize() const noexcept { return mByteCount; }
    void SetSize (uint32_t inSize) noexcept { mByteCount = inSize; }
    const void* GetData() const noexcept { return mBytes.Get(); }
    SPacketData& GetPayload() noexcept { return mBytes; }

private:
    uint32_t mFieldIndex;
    bool mIsDirty = true;
    uint32_t mByteCount = 0;
    SPacketData mBytes;
};

//==============================================================================
/** Fills a packet for a parameter. */
class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;

    /** A copy owned by the caller. */
    virtual AAX_IPacketHandler* Clone() const = 0;

    virtual AAX_Result Call (AAX_CParamID inParamID, AAX_CPacket& ioPacket) const = 0;
};

/** Calls a member function of a worker object, with or without the parameter identifier. */
template <class TWorker>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    typedef AAX_Result (TWorker::*PacketCallback) (AAX_CPacket&);
    typedef AAX_Result (TWorker::*IdPacketCallback) (AAX_CParamID, AAX_CPacket&);

    AAX_CPacketHandler (TWorker* inTarget, PacketCallback inCallback)
        : mTarget (inTarget)
        , mPacketCallback (inCallback)
    {
    }

    AAX_CPacketHandler (TWorker* inTarget, IdPacketCallback inCallback)
        : mTarget (inTarget)
        , mIdPacketCallback (inCallback)
    {
    }

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler (*this); }

    AAX_Result Call (AAX_CParamID inParamID, AAX_CPacket& ioPacket) const override
    {
        if (mTarget == nullptr)
            return AAX_ERROR_NULL_OBJECT;

        if (mIdPacketCallback != nullptr)
            return (mTarget->*mIdPacketCallback) (inParamID, ioPacket);

        if (mPacketCallback != nullptr)
            return (mTarget->*mPacketCallback) (ioPacket);

        return AAX_ERROR_NULL_OBJECT;
    }

private:
    TWorker* mTarget;
    PacketCallback mPacketCallback = nullptr;
    IdPacketCallback mIdPacketCallback = nullptr;
};

//==============================================================================
/** Links parameters to context fields. Changed parameters mark their packets dirty; when the host asks
    for coefficients, each dirty packet is filled by its handler and posted to the host's controller.
*/
class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher() = default;
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    /** The controller that receives the packets and the data model whose parameters fill them. */
    void AttachHost (AAX_IController* inController, AAX_IEffectParameters* inOwner);

    /** Registers a parameter for a context field, with a copy of the handler. Several identifiers may
        share one field's packet; a new packet starts dirty.
    */
    AAX_Result RegisterPacket (AAX_CParamID paramID, AAX_CFieldIndex portID, const AAX_IPacketHandler& inHandler);

    /** As above, with a handler that sends the parameter's single value (GenerateSingleValuePacket);
        JUCE's client registers its master bypass this way.
    */
    AAX_Result RegisterPacket (AAX_CParamID paramID, AAX_CFieldIndex portID);

    /** Marks the packet of every registration of exactly this identifier dirty. */
    AAX_Result MarkDirty (AAX_CParamID paramID);

    /** Fills and posts every dirty packet; returns the result of the last post, 0 when none was made. */
    AAX_Result DispatchDirtyPackets();

    /** Fills the packet with the parameter's value: a bool as an int32 1 or 0, a float, an int32 or a double. */
    AAX_Result GenerateSingleValuePacket (AAX_CParamID paramID, AAX_CPacket& ioPacket);

    /** The lock that makes registration, marking, dispatch and destruction exclusive. */
    AAX_CMutex& GetLock() noexcept { return mLock; }

private:
    struct Registration
    {
        AAX_CPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };

    std::map<AAX_CFieldIndex, std::unique_ptr<AAX_CPacket>> mPacketsByField;
    std::multimap<std::string, Registration> mHandlersById;
    AAX_IController* mPostTarget = nullptr;
    AAX_IEffectParameters* mOwner = nullptr;
    AAX_CMutex mLock;
};

#endif
