#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CMutex.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketDispatcher.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

using aaxtest::InitializedEffect;
using aaxtest::TestEffect;

namespace
{
std::vector<unsigned char> BytesOf (float value)
{
    std::vector<unsigned char> bytes (sizeof (value));
    std::memcpy (bytes.data(), &value, sizeof (value));
    return bytes;
}

std::vector<unsigned char> BytesOf (int32_t value)
{
    std::vector<unsigned char> bytes (sizeof (value));
    std::memcpy (bytes.data(), &value, sizeof (value));
    return bytes;
}
}

TEST (PacketDispatcher, NewRegistrationIsDirtyAndPostedOnce)
{
    InitializedEffect model ({{"MasterBypassID", 0.0f}});
    auto& dispatcher = model.effect->Dispatcher();

    ASSERT_EQ (dispatcher.RegisterPacket ("MasterBypassID", 3), AAX_SUCCESS);

    EXPECT_EQ (model.effect->GenerateCoefficients(), AAX_SUCCESS);
    ASSERT_EQ (model.context.controller.packets.size(), 1u);
    EXPECT_EQ (model.context.controller.packets[0].field, 3);
    EXPECT_EQ (model.context.controller.packets[0].bytes, BytesOf (0.0f));

    model.effect->GenerateCoefficients(); // nothing dirty any more
    EXPECT_EQ (model.context.controller.packets.size(), 1u);
}

TEST (PacketDispatcher, MasterBypassPacketCarriesItsFloatValue)
{
    InitializedEffect model ({{"MasterBypassID", 0.0f}});
    model.effect->Dispatcher().RegisterPacket ("MasterBypassID", 3);
    model.effect->GenerateCoefficients();

    model.effect->UpdateParameterNormalizedValue ("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    model.effect->GenerateCoefficients();

    ASSERT_EQ (model.context.controller.packets.size(), 2u);
    EXPECT_EQ (model.context.controller.packets[1].bytes, BytesOf (1.0f));
}

TEST (PacketDispatcher, TwoIdentifiersSharingAFieldPostOnce)
{
    InitializedEffect model ({{"a", 0.25f}, {"b", 0.75f}});
    auto& dispatcher = model.effect->Dispatcher();
    dispatcher.RegisterPacket ("b", 4);
    dispatcher.RegisterPacket ("a", 4);
    model.effect->GenerateCoefficients();
    model.context.controller.packets.clear();

    model.effect->UpdateParameterNormalizedValue ("b", 0.5, AAX_eUpdateSource_Unspecified);
    model.effect->GenerateCoefficients();

    // Generated once, by the first registration in identifier order ("a"), from a's value.
    ASSERT_EQ (model.context.controller.packets.size(), 1u);
    EXPECT_EQ (model.context.controller.packets[0].field, 4);
    EXPECT_EQ (model.context.controller.packets[0].bytes, BytesOf (0.25f));
}

TEST (PacketDispatcher, BoolParameterGivesFourBytesOfOneOrZero)
{
    InitializedEffect model ({});
    model.effect->Manager().AddParameter (new AAX_CParameter<bool> ("flag", AAX_CString ("Flag"), false,
                                                                    AAX_CLinearTaperDelegate<bool, 0> (false, true),
                                                                    AAX_CNumberDisplayDelegate<bool, 0>(), true));
    model.effect->Dispatcher().RegisterPacket ("flag", 5);

    model.effect->GenerateCoefficients();
    model.effect->UpdateParameterNormalizedValue ("flag", 1.0, AAX_eUpdateSource_Unspecified);
    model.effect->GenerateCoefficients();

    ASSERT_EQ (model.context.controller.packets.size(), 2u);
    EXPECT_EQ (model.context.controller.packets[0].bytes, BytesOf (int32_t (0)));
    EXPECT_EQ (model.context.controller.packets[1].bytes, BytesOf (int32_t (1)));
}

TEST (PacketDispatcher, UnknownParameterPostsNothing)
{
    InitializedEffect model ({});
    model.effect->Dispatcher().RegisterPacket ("missing", 3);

    AAX_CPacket packet (3);
    EXPECT_EQ (model.effect->Dispatcher().GenerateSingleValuePacket ("missing", packet), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (packet.GetSize(), 0u);

    EXPECT_EQ (model.effect->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_TRUE (model.context.controller.packets.empty());
}

TEST (PacketDispatcher, LastPostResultIsReturned)
{
    InitializedEffect model ({{"a", 0.5f}});
    model.effect->Dispatcher().RegisterPacket ("a", 3);
    model.context.controller.answer = AAX_ERROR_POST_PACKET_FAILED;

    EXPECT_EQ (model.effect->GenerateCoefficients(), AAX_ERROR_POST_PACKET_FAILED);
    EXPECT_EQ (model.effect->GenerateCoefficients(), AAX_SUCCESS); // the dirty flag went anyway
}

namespace
{
struct Worker
{
    AAX_Result OnPacket (AAX_CPacket& packet)
    {
        ++packetCalls;
        *packet.GetPtr<int32_t>() = 42;
        packet.SetSize (4);
        return AAX_SUCCESS;
    }

    int packetCalls = 0;
};
}

TEST (PacketHandler, CallbackWithoutIdentifierGetsThePacketAlone)
{
    Worker worker;
    const AAX_CPacketHandler<Worker> handler (&worker, &Worker::OnPacket);
    const std::unique_ptr<AAX_IPacketHandler> clone (handler.Clone());

    AAX_CPacket packet (1);
    EXPECT_EQ (clone->Call ("any", packet), AAX_SUCCESS);
    EXPECT_EQ (worker.packetCalls, 1);
    EXPECT_EQ (packet.GetSize(), 4u);

    const AAX_CPacketHandler<Worker> empty (&worker, static_cast<AAX_CPacketHandler<Worker>::PacketCallback> (nullptr));
    EXPECT_EQ (empty.Call ("any", packet), AAX_ERROR_NULL_OBJECT);
}

TEST (PacketData, StartsWithEightZeroBytesAndNeverEmpties)
{
    AAX_CPacket packet (0);
    EXPECT_TRUE (packet.IsDirty());
    EXPECT_EQ (packet.GetSize(), 0u);
    EXPECT_EQ (packet.GetPayload().Size(), 8u);

    auto* bytes = static_cast<unsigned char*> (packet.GetPayload().Get (20));
    EXPECT_EQ (packet.GetPayload().Size(), 20u);

    for (int i = 0; i < 20; ++i)
        EXPECT_EQ (bytes[i], 0);

    EXPECT_THROW (packet.GetPayload().Get (0), std::out_of_range);
}

TEST (OwnerAwareMutex, SecondAcquireOnOneThreadReturnsFalse)
{
    AAX_CMutex mutex;
    EXPECT_TRUE (mutex.Acquire());
    EXPECT_FALSE (mutex.Acquire());

    std::atomic<bool> otherGotIt{false};
    std::thread other (
        [&]
        {
            mutex.Relinquish(); // not the owner: does nothing
            otherGotIt = mutex.Acquire();
            mutex.Relinquish();
        });

    std::this_thread::sleep_for (std::chrono::milliseconds (50));
    EXPECT_FALSE (otherGotIt); // still held by this thread

    mutex.Relinquish();
    other.join();
    EXPECT_TRUE (otherGotIt);
}

TEST (OwnerAwareMutex, NestedGuardsUnlockOnlyAtTheOutermost)
{
    AAX_CMutex mutex;
    {
        const AAX_StLock_Guard outer (mutex);
        {
            const AAX_StLock_Guard inner (mutex);
        }
        EXPECT_FALSE (mutex.Acquire()); // still ours after the inner scope
    }

    EXPECT_TRUE (mutex.Acquire());
    mutex.Relinquish();
}
