#include "AAX_CMutex.h"

#include <atomic>
#include <pthread.h>

struct AAX_CMutex::LockState
{
    // Read by other threads without the lock: atomics, so that a waiting thread never sees half a write.
    std::atomic<pthread_t> mOwner{};
    std::atomic<bool> mHasOwner{false};
    pthread_mutex_t mMutex;
};

AAX_CMutex::AAX_CMutex()
    : mLockState (new LockState())
{
    if (pthread_mutex_init (&mLockState->mMutex, nullptr) != 0)
        mLockState.reset(); // without a lock state Acquire and Relinquish do nothing
}

AAX_CMutex::~AAX_CMutex()
{
    if (mLockState != nullptr)
        pthread_mutex_destroy (&mLockState->mMutex);
}

bool AAX_CMutex::IsOwnedByCallingThread() const
{
    // Only the owner itself can find itself recorded here.
    return mLockState->mHasOwner && pthread_equal (mLockState->mOwner, pthread_self());
}

bool AAX_CMutex::Acquire()
{
    if (mLockState == nullptr)
        return false;

    if (IsOwnedByCallingThread())
        return false;

    pthread_mutex_lock (&mLockState->mMutex);
    mLockState->mOwner = pthread_self();
    mLockState->mHasOwner = true;
    return true;
}

void AAX_CMutex::Relinquish()
{
    if (mLockState == nullptr)
        return;

    if (IsOwnedByCallingThread())
    {
        mLockState->mHasOwner = false;
        mLockState->mOwner = pthread_t{};
        pthread_mutex_unlock (&mLockState->mMutex);
    }
}
