// The fast search's code is built for the processor's bit count instruction
// (every list step of the search graph counts the bits of a letter mask): a
// file puts it between ZK_BIT_COUNT_BEGIN and ZK_BIT_COUNT_END, and it runs
// only where HasBitCount() holds; elsewhere the reference search serves.
#pragma once

#if defined(__x86_64__) || defined(__i386__)
#define ZK_BIT_COUNT_TARGET 1
#if defined(__clang__)
#define ZK_BIT_COUNT_BEGIN                                                                         \
    _Pragma("clang attribute push(__attribute__((target(\"popcnt\"))), apply_to = function)")
#define ZK_BIT_COUNT_END _Pragma("clang attribute pop")
#else
#define ZK_BIT_COUNT_BEGIN _Pragma("GCC push_options") _Pragma("GCC target(\"popcnt\")")
#define ZK_BIT_COUNT_END _Pragma("GCC pop_options")
#endif
#else
#define ZK_BIT_COUNT_BEGIN
#define ZK_BIT_COUNT_END
#endif

// Whether the processor has the instruction the fast search is built for.
inline bool HasBitCount()
{
#ifdef ZK_BIT_COUNT_TARGET
    return __builtin_cpu_supports("popcnt");
#else
    return true;
#endif
}
