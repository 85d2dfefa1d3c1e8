#include "CACFUnknown.h"

std::atomic<int32_t> CACFUnknown::m_ActiveObjects{0};

CACFUnknown::CACFUnknown()
    : mOuterUnknown (&mInnerUnknown)
    , mInnerUnknown (this)
{
    m_ActiveObjects.fetch_add (1);
}

CACFUnknown::~CACFUnknown()
{
    m_ActiveObjects.fetch_sub (1);
}

ACFRESULT CACFUnknown::InitializeInstance (IACFUnknown*)
{
    return ACF_OK;
}

void CACFUnknown::FinalRelease() {}

void CACFUnknown::ReclaimMemory()
{
    delete this;
}

ACFRESULT CACFUnknown::InternalQueryInterface (acfIID riid, void** ppvObjOut)
{
    if (ppvObjOut == nullptr)
        return ACF_E_POINTER;

    *ppvObjOut = nullptr;

    if (riid == IID_IACFUnknown)
    {
        *ppvObjOut = static_cast<IACFUnknown*> (&mInnerUnknown);
        mInnerUnknown.AddRef();
        return ACF_OK;
    }

    return ACF_E_NOINTERFACE;
}

acfUInt32 CACFUnknown::InternalAddRef()
{
    return static_cast<acfUInt32> (mRefCount.fetch_add (1) + 1);
}

acfUInt32 CACFUnknown::InternalRelease()
{
    const auto newCount = mRefCount.fetch_sub (1) - 1;

    if (newCount == 0)
    {
        // The object is gone after ReclaimMemory: nothing of it may be touched from here on.
        FinalRelease();
        ReclaimMemory();
    }

    return static_cast<acfUInt32> (newCount);
}

//==============================================================================
ACFRESULT CACFUnknown::PrivateUnknown::QueryInterface (acfIID riid, void** ppv)
{
    return mOwningObject->InternalQueryInterface (riid, ppv);
}

acfUInt32 CACFUnknown::PrivateUnknown::AddRef()
{
    return mOwningObject->InternalAddRef();
}

acfUInt32 CACFUnknown::PrivateUnknown::Release()
{
    return mOwningObject->InternalRelease();
}
