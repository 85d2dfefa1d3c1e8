// The host's services interface: trace output and assertion reports.
#ifndef AAX_IACFHOSTSERVICES_H
#define AAX_IACFHOSTSERVICES_H

#include "AAX.h"
#include "acfunknown.h"

/** Version 1, obtained with IID_IAAXHostServicesV1. */
class AAX_IACFHostServices : public IACFUnknown
{
public:
    /** Position 3: an assertion report without flags. */
    virtual AAX_Result Assert (const char* iFile, int32_t iLine, const char* iNote) = 0;

    /** Position 4: one line of trace output at a priority. */
    virtual AAX_Result Trace (int32_t iPriority, const char* iMessage) = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

/** Version 2, obtained with IID_IAAXHostServicesV2. */
class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    /** Position 5: trace output followed by a stack trace. */
    virtual AAX_Result StackTrace (int32_t iTracePriority, int32_t iStackTracePriority, const char* iMessage) = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};

/** Version 3, obtained with IID_IAAXHostServicesV3. */
class AAX_IACFHostServices_V3 : public AAX_IACFHostServices_V2
{
public:
    /** Position 6: an assertion report with flags (AAX_EAssertFlags). */
    virtual AAX_Result HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote, int32_t iFlags) = 0;

protected:
    ~AAX_IACFHostServices_V3() = default;
};

#endif
