#include "AAX_CPacketDispatcher.h"

#include <algorithm>
#include <stdexcept>

AAX_CPacket::SPacketData::SPacketData()
    : mData (8, 0)
{
}

void* AAX_CPacket::SPacketData::Get (size_t inSize)
{
    if (inSize == 0)
        throw std::out_of_range ("AAX_CPacket::SPacketData: a payload cannot be empty");

    if (inSize > mData.capacity())
        mData.reserve (std::max (2 * mData.capacity(), inSize));

    mData.resize (inSize, 0);
    return mData.data();
}
