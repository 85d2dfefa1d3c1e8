#ifndef AAX_IDMA_H
#define AAX_IDMA_H

#include <cstdint>

/** The direct-memory-access facility of DSP algorithms. The library only needs its transfer modes, which a
    component descriptor passes on to the host when an algorithm asks for a DMA instance.
*/
class AAX_IDma
{
public:
    enum EMode : int32_t
    {
        eMode_Error = 0,
        eMode_Burst = 1,
        eMode_Gather = 2,
        eMode_Scatter = 3
    };
};

#endif
