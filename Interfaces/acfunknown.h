// The component model's identifier type and base interface.
#ifndef ACFUNKNOWN_H
#define ACFUNKNOWN_H

#include <cstdint>

/** The 16-byte identifier of an interface or a component class. */
struct _acfUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

typedef _acfUID acfUID;
typedef const acfUID& acfIID;
typedef const acfUID& acfCLSID;

inline bool operator== (const acfUID& a, const acfUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;

    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;

    return true;
}

inline bool operator!= (const acfUID& a, const acfUID& b)
{
    return !(a == b);
}

/** Result of the component-model operations. */
typedef int32_t ACFRESULT;
typedef uint32_t acfUInt32;

#define ACF_OK ((ACFRESULT)0)
#define ACF_E_NOINTERFACE ((ACFRESULT)0x80000004u) /**< the object does not offer the interface */
#define ACF_E_POINTER ((ACFRESULT)0x80000005u)     /**< a pointer expected from the host is null */
#define ACF_E_UNEXPECTED ((ACFRESULT)0x8000FFFFu)  /**< an unexpected failure */

#define ACFSUCCEEDED(aResult) (((ACFRESULT)(aResult)) >= 0)
#define ACFFAILED(aResult) (((ACFRESULT)(aResult)) < 0)

inline constexpr acfUID IID_IACFUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

/** The base of every interface that crosses the host boundary. Its three slots come first in every vtable. */
class IACFUnknown
{
public:
    virtual ACFRESULT QueryInterface (acfIID iid, void** ppOut) = 0;
    virtual acfUInt32 AddRef() = 0;
    virtual acfUInt32 Release() = 0;

protected:
    // Objects are destroyed by their own Release, never through an interface pointer; a virtual
    // destructor here would also take vtable slots that the host does not expect.
    ~IACFUnknown() = default;
};

#endif
