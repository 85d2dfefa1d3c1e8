#ifndef AAX_CHOSTINTERFACEREF_H
#define AAX_CHOSTINTERFACEREF_H

#include "acfunknown.h"
#include "AAX_UIDs.h"
#include "IACFComponentFactory.h"

#include <functional>
#include <type_traits>
#include <utility>

/** Holds one reference to one interface of a host object, or nothing.

    It is filled by a successful QueryInterface on a host object or by the host's component factory, and
    releases its reference when reset or destroyed. Whether it is filled depends only on the host's result:
    a host that reports success but hands back a null pointer leaves a filled holder whose calls throw the
    integer ACF_E_POINTER (0x80000005) instead of dereferencing null. Wrappers test the holder before every
    call, so that is the only way such a throw can happen, and only during registration, where the entry
    functions catch it: the wrappers of a running instance fill their holders with QueryOfferedFrom.
*/
template <class InterfaceType>
class AAX_CHostInterfaceRef
{
public:
    AAX_CHostInterfaceRef() = default;

    /** Takes a reference of its own on `hostObject` (may be null). */
    explicit AAX_CHostInterfaceRef (InterfaceType* hostObject) { Retain (hostObject); }
    ~AAX_CHostInterfaceRef() { Reset(); }

    AAX_CHostInterfaceRef (const AAX_CHostInterfaceRef&) = delete;
    AAX_CHostInterfaceRef& operator= (const AAX_CHostInterfaceRef&) = delete;

    /** Asks `hostObject` (may be null) for the interface `iid`; returns whether the holder is now filled. */
    bool QueryFrom (IACFUnknown* hostObject, acfIID iid)
    {
        Reset();

        if (hostObject == nullptr)
            return false;

        void* found = nullptr;

        if (ACFFAILED (hostObject->QueryInterface (iid, &found)))
            return false;

        Adopt (static_cast<InterfaceType*> (found));
        return true;
    }

    /** Like QueryFrom, except that a host answering with success and a null pointer leaves this holder
        empty, as if it did not offer the interface. The wrappers of a running instance use this: the
        host reaches them only through its own calls into the plug-in, which answer with result codes,
        so nothing may be thrown out of them.
    */
    bool QueryOfferedFrom (IACFUnknown* hostObject, acfIID iid)
    {
        if (QueryFrom (hostObject, iid) && mInterface == nullptr)
            Forget();

        return mFilled;
    }

    /** Asks the interface held by `source` for `iid`, when `source` is filled; a filled source with a null
        pointer throws ACF_E_POINTER. Returns whether this holder is now filled.
    */
    template <class SourceInterfaceType>
    bool QueryFrom (const AAX_CHostInterfaceRef<SourceInterfaceType>& source, acfIID iid)
    {
        Reset();

        // operator-> is what throws for a filled source that holds null.
        return source && QueryFrom (source.operator->(), iid);
    }

    /** Takes a reference of its own on `hostObject`, when it is not null. */
    void Retain (InterfaceType* hostObject)
    {
        Reset();

        if (hostObject == nullptr)
            return;

        hostObject->AddRef();
        Adopt (hostObject);
    }

    /** Takes over a reference the host has already handed out (e.g. by its component factory). */
    void Adopt (InterfaceType* hostInterface) noexcept
    {
        Reset();
        mInterface = hostInterface;
        mFilled = true;
    }

    /** Releases the reference, if any, and empties the holder. */
    void Reset() noexcept
    {
        auto* toRelease = mInterface;
        mInterface = nullptr;
        mFilled = false;

        if (toRelease != nullptr)
            toRelease->Release();
    }

    /** Empties the holder without calling the host. */
    void Forget() noexcept
    {
        mInterface = nullptr;
        mFilled = false;
    }

    /** Moves the reference of `other` into this holder. */
    void TakeFrom (AAX_CHostInterfaceRef& other) noexcept
    {
        Reset();
        mInterface = other.mInterface;
        mFilled = other.mFilled;
        other.Forget();
    }

    /** Forwards one operation to the host: calls `operation` (a member of the host interface, e.g.
        `&AAX_IACFTransport::GetCurrentTempo`) on the held interface with `arguments` and returns the host's
        result unchanged. An empty holder calls nothing and returns `resultWhenAbsent` instead.
    */
    template <typename Fallback, typename Operation, typename... Arguments>
    auto CallOr (Fallback resultWhenAbsent, Operation operation, Arguments&&... arguments) const
    {
        using Result = std::invoke_result_t<Operation, InterfaceType*, Arguments...>;

        if (!mFilled)
            return static_cast<Result> (resultWhenAbsent);

        return std::invoke (operation, operator->(), std::forward<Arguments> (arguments)...);
    }

    /** True when filled (see the class comment). */
    explicit operator bool() const noexcept { return mFilled; }

    /** The interface to call: throws ACF_E_POINTER when it is null. */
    InterfaceType* operator->() const
    {
        if (mInterface == nullptr)
            throw static_cast<ACFRESULT> (ACF_E_POINTER);

        return mInterface;
    }

    /** The raw pointer, which may be null; no reference is added. */
    InterfaceType* Get() const noexcept { return mInterface; }

private:
    InterfaceType* mInterface = nullptr;
    bool mFilled = false;
};

/** Creates a host object of class `classID` through the component factory of `hostContext` and puts its
    `iid` interface into `destination`.

    A null context or a context without a factory leaves the destination empty; a factory query that succeeds
    with a null factory throws ACF_E_POINTER. The factory's own reference is released on return.
*/
template <class InterfaceType>
void AAX_CreateHostComponent (IACFUnknown* hostContext, acfCLSID classID, acfIID iid,
                              AAX_CHostInterfaceRef<InterfaceType>& destination)
{
    AAX_CHostInterfaceRef<IACFComponentFactory> factory;

    if (!factory.QueryFrom (hostContext, IID_IACFComponentFactory))
        return;

    void* created = nullptr;

    if (ACFSUCCEEDED (factory->CreateComponent (classID, nullptr, iid, &created)))
        destination.Adopt (static_cast<InterfaceType*> (created));
}

#endif
