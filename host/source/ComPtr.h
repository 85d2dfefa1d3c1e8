#pragma once

#include <acfunknown.h>

#include <utility>

namespace aaxhost
{
/** Holds one reference to an interface of the component model and drops it when it goes. */
template <typename Interface>
class ComPtr
{
public:
    ComPtr() = default;

    /** Takes over a reference the caller already owns (as a QueryInterface or a factory gives it). */
    static ComPtr adopt (Interface* pointer) noexcept
    {
        ComPtr result;
        result.object = pointer;
        return result;
    }

    /** Takes a reference of its own. */
    static ComPtr share (Interface* pointer) noexcept
    {
        if (pointer != nullptr)
            pointer->AddRef();

        return adopt (pointer);
    }

    ComPtr (const ComPtr& other) noexcept
        : ComPtr (share (other.object))
    {
    }
    ComPtr (ComPtr&& other) noexcept
        : object (std::exchange (other.object, nullptr))
    {
    }

    ComPtr& operator= (ComPtr other) noexcept
    {
        std::swap (object, other.object);
        return *this;
    }

    ~ComPtr() { reset(); }

    void reset() noexcept
    {
        if (auto* old = std::exchange (object, nullptr))
            old->Release();
    }

    /** Asks an object for an interface; empty when it does not offer it (or answers with null). */
    template <typename Source>
    static ComPtr query (Source* source, const acfUID& interfaceID)
    {
        void* out = nullptr;

        if (source == nullptr || source->QueryInterface (interfaceID, &out) != 0)
            return {};

        return adopt (static_cast<Interface*> (out));
    }

    Interface* get() const noexcept { return object; }
    Interface* operator->() const noexcept { return object; }
    explicit operator bool() const noexcept { return object != nullptr; }

private:
    Interface* object = nullptr;
};
}
