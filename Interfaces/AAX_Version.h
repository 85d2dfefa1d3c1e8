// Version of the AAX interface this library implements.
#ifndef AAX_VERSION_H
#define AAX_VERSION_H

/** Interface version: 2.5 (major in the high byte, minor in the low byte). */
#define AAX_SDK_VERSION 0x0205

/** Revisions as integer literals: the preprocessor compares them. */
#define AAX_SDK_2p3p0_REVISION 20203000
#define AAX_SDK_2p3p1_REVISION 20203100
#define AAX_SDK_2p4p0_REVISION 20204000
#define AAX_SDK_2p5p0_REVISION 20205000
#define AAX_SDK_CURRENT_REVISION 20205000

/** What ACFGetSDKVersion reports: the version in the upper 32 bits, the revision in the lower. */
#define AAX_SDK_VERSION_AND_REVISION                                                                                   \
    ((((unsigned long long)AAX_SDK_VERSION) << 32) | (unsigned long long)AAX_SDK_CURRENT_REVISION)

static_assert (AAX_SDK_VERSION_AND_REVISION == 0x20501344DC8ull, "the host reads this exact version");

#endif
