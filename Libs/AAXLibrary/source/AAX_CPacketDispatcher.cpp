#include "AAX_CPacketDispatcher.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"

#include <cstring>

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard (mLock);
    mHandlersById.clear();
    mPacketsByField.clear();
}

void AAX_CPacketDispatcher::AttachHost (AAX_IController* inController, AAX_IEffectParameters* inOwner)
{
    mPostTarget = inController;
    mOwner = inOwner;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID paramID, AAX_CFieldIndex portID,
                                                  const AAX_IPacketHandler& inHandler)
{
    const AAX_StLock_Guard guard (mLock);

    auto& packet = mPacketsByField[portID];

    if (packet == nullptr)
        packet = std::make_unique<AAX_CPacket> (portID);

    // multimap inserts after the registrations of an equal key, so they keep their order.
    mHandlersById.emplace (std::string (paramID != nullptr ? paramID : ""),
                           Registration{packet.get(), std::unique_ptr<AAX_IPacketHandler> (inHandler.Clone())});
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID paramID, AAX_CFieldIndex portID)
{
    const AAX_CPacketHandler<AAX_CPacketDispatcher> handler (this, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    return RegisterPacket (paramID, portID, handler);
}

AAX_Result AAX_CPacketDispatcher::MarkDirty (AAX_CParamID paramID)
{
    const AAX_StLock_Guard guard (mLock);

    const auto range = mHandlersById.equal_range (std::string (paramID != nullptr ? paramID : ""));

    for (auto entry = range.first; entry != range.second; ++entry)
        entry->second.packet->SetDirty (true);

    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::DispatchDirtyPackets()
{
    AAX_Result result = AAX_SUCCESS;
    const AAX_StLock_Guard guard (mLock);

    for (auto& [identifier, registration] : mHandlersById)
    {
        auto& packet = *registration.packet;

        if (!packet.IsDirty())
            continue;

        if (registration.handler->Call (identifier.c_str(), packet) == AAX_SUCCESS && mPostTarget != nullptr)
            result = mPostTarget->PostPacket (static_cast<AAX_CFieldIndex> (packet.GetID()), packet.GetData(),
                                              packet.GetSize());

        packet.SetDirty (false);
    }

    return result;
}

namespace
{
template <typename T>
void WriteSingleValue (AAX_CPacket& ioPacket, const T& value)
{
    ioPacket.SetSize (sizeof (T));
    std::memcpy (ioPacket.GetPayload().Get (sizeof (T)), &value, sizeof (T));
}
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket (AAX_CParamID paramID, AAX_CPacket& ioPacket)
{
    if (mOwner == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_IParameter* parameter = nullptr;

    if (mOwner->GetParameter (paramID, &parameter) != AAX_SUCCESS || parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;

    if (parameter->GetValueAsBool (&boolValue))
        WriteSingleValue (ioPacket, static_cast<int32_t> (boolValue ? 1 : 0));
    else if (parameter->GetValueAsFloat (&floatValue))
        WriteSingleValue (ioPacket, floatValue);
    else if (parameter->GetValueAsInt32 (&intValue))
        WriteSingleValue (ioPacket, intValue);
    else if (parameter->GetValueAsDouble (&doubleValue))
        WriteSingleValue (ioPacket, doubleValue);
    else
        return AAX_ERROR_NULL_OBJECT;

    return AAX_SUCCESS;
}
