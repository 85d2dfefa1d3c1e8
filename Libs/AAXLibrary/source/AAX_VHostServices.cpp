#include "AAX_VHostServices.h"
#include "AAX_Errors.h"
#include "AAX_IACFHostServices.h"
#include "AAX_UIDs.h"
#include "IACFComponentFactory.h"

AAX_VHostServices::AAX_VHostServices (IACFUnknown* pUnkHost)
{
    if (pUnkHost == nullptr)
        return;

    IACFComponentFactory* factory = nullptr;

    if (ACFFAILED (pUnkHost->QueryInterface (IID_IACFComponentFactory, reinterpret_cast<void**> (&factory))))
    {
        if (factory != nullptr)
            factory->Release();

        return;
    }

    try
    {
        const auto create = [&factory] (const acfUID& iid, auto** field)
        {
            if (factory == nullptr)
                throw static_cast<int32_t> (ACF_E_POINTER);

            // A version the host does not offer simply stays null.
            factory->CreateComponent (AAXCompID_HostServices, nullptr, iid, reinterpret_cast<void**> (field));
        };

        create (IID_IAAXHostServicesV1, &mHostServicesV1);
        create (IID_IAAXHostServicesV2, &mHostServicesV2);
        create (IID_IAAXHostServicesV3, &mHostServicesV3);
    }
    catch (...)
    {
        if (factory != nullptr)
            factory->Release();

        ReleaseAll();
        throw;
    }

    factory->Release();
}

AAX_VHostServices::~AAX_VHostServices()
{
    ReleaseAll();
}

void AAX_VHostServices::ReleaseAll() noexcept
{
    if (mHostServicesV3 != nullptr)
        mHostServicesV3->Release();

    mHostServicesV3 = nullptr;

    if (mHostServicesV2 != nullptr)
        mHostServicesV2->Release();

    mHostServicesV2 = nullptr;

    if (mHostServicesV1 != nullptr)
        mHostServicesV1->Release();

    mHostServicesV1 = nullptr;
}

AAX_Result AAX_VHostServices::HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote,
                                                   int32_t iFlags) const
{
    if (mHostServicesV3 == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    return mHostServicesV3->HandleAssertFailure (iFile, iLine, iNote, iFlags);
}

AAX_Result AAX_VHostServices::Trace (int32_t iPriority, const char* iMessage) const
{
    if (mHostServicesV1 == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    return mHostServicesV1->Trace (iPriority, iMessage);
}

AAX_Result AAX_VHostServices::StackTrace (int32_t iTracePriority, int32_t iStackTracePriority,
                                          const char* iMessage) const
{
    if (mHostServicesV2 == nullptr)
        return AAX_ERROR_UNIMPLEMENTED;

    return mHostServicesV2->StackTrace (iTracePriority, iStackTracePriority, iMessage);
}
