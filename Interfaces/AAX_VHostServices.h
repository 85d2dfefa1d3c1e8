// Wrapper of the host's services in every version the host offers.
#ifndef AAX_VHOSTSERVICES_H
#define AAX_VHOSTSERVICES_H

#include "AAX_IHostServices.h"
#include "acfunknown.h"

class AAX_IACFHostServices;
class AAX_IACFHostServices_V2;
class AAX_IACFHostServices_V3;

/** Holds one reference to each version of the host's services that the host offers, and forwards
    each operation to the lowest version that has it.
*/
class AAX_VHostServices : public AAX_IHostServices
{
public:
    /** Asks the host's unknown for its component factory and creates the three versions through it.
        Throws the integer ACF_E_POINTER when the host hands back a null factory.
    */
    explicit AAX_VHostServices (IACFUnknown* pUnkHost);
    ~AAX_VHostServices() override;

    AAX_VHostServices (const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator= (const AAX_VHostServices&) = delete;

    AAX_Result HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote, int32_t iFlags) const override;
    AAX_Result Trace (int32_t iPriority, const char* iMessage) const override;
    AAX_Result StackTrace (int32_t iTracePriority, int32_t iStackTracePriority, const char* iMessage) const override;

    AAX_IACFHostServices* GetHostServicesV1() const noexcept { return mHostServicesV1; }
    AAX_IACFHostServices_V2* GetHostServicesV2() const noexcept { return mHostServicesV2; }
    AAX_IACFHostServices_V3* GetHostServicesV3() const noexcept { return mHostServicesV3; }

private:
    void ReleaseAll() noexcept;

    AAX_IACFHostServices* mHostServicesV1 = nullptr;
    AAX_IACFHostServices_V2* mHostServicesV2 = nullptr;
    AAX_IACFHostServices_V3* mHostServicesV3 = nullptr;
};

#endif
