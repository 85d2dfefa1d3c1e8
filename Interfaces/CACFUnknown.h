// The reference-counted base of every object handed to the host.
#ifndef CACFUNKNOWN_H
#define CACFUNKNOWN_H

#include "acfunknown.h"

#include <atomic>

/** Reference counting and interface lookup for objects the host reaches through IACFUnknown.

    A host-facing class derives from its host interface first and from CACFUnknown second, and
    forwards the three IACFUnknown operations of its interface to the controlling unknown (see
    ACF_DECLARE_STANDARD_UNKNOWN). Objects start with no reference; the host takes the first one,
    and the Release that brings the count to zero destroys the object.
*/
class CACFUnknown
{
public:
    CACFUnknown();
    virtual ~CACFUnknown();

    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    /** Not used here: every object of this library is created unaggregated. */
    virtual ACFRESULT InitializeInstance (IACFUnknown* pUnkOuter);

    /** Called by the last Release before the object is destroyed, while it is still whole. */
    virtual void FinalRelease();

    /** Deletes the object. */
    virtual void ReclaimMemory();

    /** Answers IID_IACFUnknown with the inner unknown; derived classes answer their own identifiers first. */
    virtual ACFRESULT InternalQueryInterface (acfIID riid, void** ppvObjOut);
    virtual acfUInt32 InternalAddRef();
    virtual acfUInt32 InternalRelease();

    /** The number of live objects, which tells the host whether the module may be unloaded. */
    static int32_t GetActiveObjectCount() noexcept { return m_ActiveObjects.load (std::memory_order_relaxed); }

    /** The live-object count: up one per constructed object, down one per destroyed object. */
    static std::atomic<int32_t> m_ActiveObjects;

protected:
    /** The unknown to which the host-facing QueryInterface, AddRef and Release forward. */
    IACFUnknown* GetOuterUnknown() const noexcept { return mOuterUnknown; }

    /** The non-delegating unknown embedded in every object. */
    class PrivateUnknown : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown* owner) noexcept
            : mOwningObject (owner)
        {
        }
        virtual ~PrivateUnknown() = default;

        ACFRESULT QueryInterface (acfIID riid, void** ppv) override;
        acfUInt32 AddRef() override;
        acfUInt32 Release() override;

    private:
        CACFUnknown* mOwningObject;
    };

    IACFUnknown* GetInnerUnknown() noexcept { return &mInnerUnknown; }

private:
    std::atomic<int32_t> mRefCount{0};
    IACFUnknown* mOuterUnknown;
    PrivateUnknown mInnerUnknown;
};

/** Implements the IACFUnknown operations of a host interface by forwarding them to the controlling unknown.
    Place it in the public section of a class that derives from an IACFUnknown interface and CACFUnknown.
*/
#define ACF_DECLARE_STANDARD_UNKNOWN()                                                                                 \
    ACFRESULT QueryInterface (acfIID riid, void** ppv) override                                                        \
    {                                                                                                                  \
        return GetOuterUnknown()->QueryInterface (riid, ppv);                                                          \
    }                                                                                                                  \
    acfUInt32 AddRef() override                                                                                        \
    {                                                                                                                  \
        return GetOuterUnknown()->AddRef();                                                                            \
    }                                                                                                                  \
    acfUInt32 Release() override                                                                                       \
    {                                                                                                                  \
        return GetOuterUnknown()->Release();                                                                           \
    }

#endif
