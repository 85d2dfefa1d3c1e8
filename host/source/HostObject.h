#pragma once

#include <acfunknown.h>

#include <algorithm>
#include <atomic>
#include <initializer_list>
#include <vector>

namespace aaxhost
{
/** The host side of the component model: a reference-counted object that offers one host interface,
    in the versions given at construction.

    Every host interface version derives from the one before it, so one object implementing the highest
    version answers each lower one with the same pointer. Objects are created with no reference; the
    Release that brings the count to zero deletes them.
*/
template <typename Interface>
class HostObject : public Interface
{
public:
    ACFRESULT QueryInterface (acfIID interfaceID, void** out) override
    {
        if (out == nullptr)
            return ACF_E_POINTER;

        *out = nullptr;

        if (interfaceID == IID_IACFUnknown || answers (interfaceID))
        {
            this->AddRef();
            *out = static_cast<Interface*> (this);
            return ACF_OK;
        }

        return ACF_E_NOINTERFACE;
    }

    acfUInt32 AddRef() override { return ++referenceCount; }

    acfUInt32 Release() override
    {
        const auto remaining = --referenceCount;

        if (remaining == 0)
            delete this;

        return remaining;
    }

    /** The number of references held, for checks that the plug-in released what it took. */
    acfUInt32 getReferenceCount() const noexcept { return referenceCount.load(); }

    HostObject (const HostObject&) = delete;
    HostObject& operator= (const HostObject&) = delete;

protected:
    explicit HostObject (std::initializer_list<acfUID> offeredInterfaces)
        : interfaceIDs (offeredInterfaces)
    {
    }
    explicit HostObject (std::vector<acfUID> offeredInterfaces)
        : interfaceIDs (std::move (offeredInterfaces))
    {
    }
    virtual ~HostObject() = default;

    bool answers (const acfUID& interfaceID) const
    {
        return std::find (interfaceIDs.begin(), interfaceIDs.end(), interfaceID) != interfaceIDs.end();
    }

    /** The first `count` entries of a list of interface versions: a host that offers fewer versions. */
    static std::vector<acfUID> firstVersions (std::initializer_list<acfUID> versions, int count)
    {
        std::vector<acfUID> result (versions);
        result.resize ((size_t)std::clamp (count, 0, (int)result.size()));
        return result;
    }

private:
    std::atomic<acfUInt32> referenceCount{0};
    const std::vector<acfUID> interfaceIDs;
};
}
