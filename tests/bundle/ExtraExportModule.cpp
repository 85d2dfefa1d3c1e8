// A module that exports one function besides the seven entry functions: the bundle's symbol check
// must reject it.

#include <cstdint>

#define ENTRY_FUNCTION extern "C" __attribute__ ((visibility ("default")))

ENTRY_FUNCTION int32_t ACFRegisterPlugin (void*, void**)
{
    return 0;
}
ENTRY_FUNCTION int32_t ACFRegisterComponent (void*, uint32_t, void**)
{
    return 0;
}
ENTRY_FUNCTION int32_t ACFGetClassFactory (void*, const void*, const void*, void**)
{
    return 0;
}
ENTRY_FUNCTION int32_t ACFCanUnloadNow (void*)
{
    return 0;
}
ENTRY_FUNCTION int32_t ACFStartup (void*)
{
    return 0;
}
ENTRY_FUNCTION int32_t ACFShutdown (void*)
{
    return 0;
}
ENTRY_FUNCTION int32_t ACFGetSDKVersion (uint64_t*)
{
    return 0;
}

// Leaked by a missing version script, for example.
ENTRY_FUNCTION int32_t createPluginFilter()
{
    return 0;
}
