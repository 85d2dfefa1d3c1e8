// Data the host sends with transport notifications.
#ifndef AAX_TRANSPORTTYPES_H
#define AAX_TRANSPORTTYPES_H

#include "AAX.h"

/** The payload of AAX_eNotificationEvent_TransportStateChanged (first version).

    JUCE's client reads only whether the host is recording, to answer the processor's play-head queries.
*/
struct AAX_TransportStateInfo_V1
{
    AAX_CBoolean mIsRecording = 0;
};

#endif
