// An owner-aware mutex: a thread that holds it does not lock it again.
#ifndef AAX_CMUTEX_H
#define AAX_CMUTEX_H

#include <memory>

/** A lock that remembers its owner. Acquire returns false, without locking, on the thread that
    already holds it, so nested scopes on one thread neither deadlock nor unlock early.
*/
class AAX_CMutex
{
public:
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    /** Locks and returns true, or returns false when the calling thread already owns the lock
        (or the lock could not be created).
    */
    bool Acquire();

    /** Unlocks when the calling thread owns the lock; otherwise does nothing. */
    void Relinquish();

private:
    bool IsOwnedByCallingThread() const;

    struct LockState;
    std::unique_ptr<LockState> mLockState;
};

/** Holds an AAX_CMutex for a scope, releasing it on leaving only if this scope acquired it. */
class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex& inMutex)
        : mMutex (inMutex)
        , mNeedsUnlock (inMutex.Acquire())
    {
    }

    ~AAX_StLock_Guard()
    {
        if (mNeedsUnlock)
            mMutex.Relinquish();
    }

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& mMutex;
    const bool mNeedsUnlock;
};

#endif
