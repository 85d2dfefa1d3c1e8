#include "CACFUnknown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> events;

/** A host-facing object as the library builds them: interface first, reference counting second. */
class CountedObject : public IACFUnknown, public CACFUnknown
{
public:
    ~CountedObject() override { events.push_back ("destructor"); }

    ACF_DECLARE_STANDARD_UNKNOWN()

    void FinalRelease() override { events.push_back ("FinalRelease"); }

    IACFUnknown* Inner() { return GetInnerUnknown(); }
};

class ComponentModel : public ::testing::Test
{
protected:
    void SetUp() override { events.clear(); }
};
}

TEST_F (ComponentModel, NewObjectHasNoReferenceAndIsCountedAsLive)
{
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* object = new CountedObject();

    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore + 1);
    EXPECT_EQ (object->AddRef(), 1u);
    EXPECT_EQ (object->Release(), 0u);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST_F (ComponentModel, QueryForTheUnknownGivesTheInnerUnknownWithOneReference)
{
    auto* object = new CountedObject();
    void* answer = nullptr;

    EXPECT_EQ (object->QueryInterface (IID_IACFUnknown, &answer), ACF_OK);
    EXPECT_EQ (answer, object->Inner());
    EXPECT_EQ (object->AddRef(), 2u); // the query took the first reference

    object->Release();
    static_cast<IACFUnknown*> (answer)->Release();
}

TEST_F (ComponentModel, QueryWithAnIdentifierOneByteOffIsRefused)
{
    auto* object = new CountedObject();
    object->AddRef();

    for (size_t byte = 0; byte < sizeof (acfUID); ++byte)
    {
        acfUID other = IID_IACFUnknown;
        reinterpret_cast<unsigned char*> (&other)[byte] ^= 0x01;

        void* answer = reinterpret_cast<void*> (0x1234);
        EXPECT_EQ (static_cast<uint32_t> (object->QueryInterface (other, &answer)), 0x80000004u) << "byte " << byte;
        EXPECT_EQ (answer, nullptr);
    }

    EXPECT_EQ (object->AddRef(), 2u); // no query took a reference
    object->Release();
    object->Release();
}

TEST_F (ComponentModel, ReferenceCountsRiseAndFallAndTheLastReleaseDestroys)
{
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* object = new CountedObject();

    EXPECT_EQ (object->AddRef(), 1u);
    EXPECT_EQ (object->AddRef(), 2u);
    EXPECT_EQ (object->Release(), 1u);
    EXPECT_TRUE (events.empty());
    EXPECT_EQ (object->Release(), 0u);

    EXPECT_EQ (events, (std::vector<std::string>{"FinalRelease", "destructor"}));
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST_F (ComponentModel, LiveCountFollowsEveryObject)
{
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* first = new CountedObject();
    auto* second = new CountedObject();
    first->AddRef();
    second->AddRef();

    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore + 2);

    first->Release();
    second->Release();
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST_F (ComponentModel, NullOutputPointerIsRefusedWithoutWriting)
{
    auto* object = new CountedObject();
    object->AddRef();

    EXPECT_EQ (static_cast<uint32_t> (object->QueryInterface (IID_IACFUnknown, nullptr)), 0x80000005u);
    EXPECT_EQ (object->Release(), 0u);
}
