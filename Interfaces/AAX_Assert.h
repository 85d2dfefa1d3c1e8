// The library's assertion: reports a false condition to the host and goes on.
#ifndef AAX_ASSERT_H
#define AAX_ASSERT_H

#include "AAX_CHostServices.h"

/** Reports the source file, line and the condition's text when the condition is false. Never aborts. */
#define AAX_ASSERT(aCondition)                                                                                         \
    do                                                                                                                 \
    {                                                                                                                  \
        if (!(aCondition))                                                                                             \
            AAX_CHostServices::HandleAssertFailure (__FILE__, __LINE__, #aCondition, AAX_eAssertFlags_Log);            \
    } while (false)

#endif
