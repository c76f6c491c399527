#pragma once

#include <span>

// The twelve exports that the program binds by number. The program looks the
// number up here and binds the function behind it with its own signature.
using TellboxProc = void (*)();

struct TellboxOrdinal {
    int ordinal;
    const char* name;
    TellboxProc proc;
};

// All twelve, in ordinal order.
std::span<const TellboxOrdinal> TellboxOrdinalTable();

// The entry of one ordinal, or null for a number outside the table.
const TellboxOrdinal* FindTellboxOrdinal(int ordinal);

// The ordinals the program imports; 1, 2, 8 and 9 have no caller in it.
inline constexpr int StrokewiseOrdinals[] = { 3, 4, 5, 6, 7, 10, 11, 12 };

// The function of `ordinal` as the caller's signature, or null.
template <typename Function> Function* BindTellboxOrdinal(int ordinal)
{
    const TellboxOrdinal* entry = FindTellboxOrdinal(ordinal);
    return entry && entry->proc ? reinterpret_cast<Function*>(entry->proc) : nullptr;
}

// How a function enters the table.
template <typename Function> TellboxProc TellboxProcOf(Function* function)
{
    return reinterpret_cast<TellboxProc>(function);
}
