// A host reaches an interface's operations by their positions in the object's table, not by name. These
// helpers name a position and call through it, so that tests can pin and use the layout.
#pragma once

#include <cstddef>
#include <cstring>

namespace VtableSlots
{
/** The table position of a virtual member function, from the Itanium C++ ABI's member-pointer
    representation: a virtual function's pointer holds 1 + its byte offset in the table.
*/
template <typename MemberFunction>
std::ptrdiff_t slotOf (MemberFunction function)
{
    static_assert (sizeof (function) == 2 * sizeof (std::ptrdiff_t), "Itanium member-function pointer");
    std::ptrdiff_t representation[2];
    std::memcpy (representation, &function, sizeof (function));
    return (representation[0] - 1) / static_cast<std::ptrdiff_t> (sizeof (void*));
}

/** Calls the function at a position of an interface's table, as the host's side would: `object` points at
    the interface (its table pointer).
*/
template <typename Result, typename... Args>
Result callSlot (void* object, size_t position, Args... args)
{
    auto* const* table = *static_cast<void* const* const*> (object);
    using Function = Result (*) (void*, Args...);
    return reinterpret_cast<Function> (table[position]) (object, args...);
}
}
