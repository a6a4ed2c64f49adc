#pragma once
// The loops over whole rows of pixels are built twice on x86-64 and the build
// the processor runs is chosen once, when the program starts: AVX2 code where
// it has AVX2, the baseline elsewhere. Beyond its wider vectors, AVX2 code has
// every vector instruction in the VEX form. The baseline's SSE forms run
// several times slower on some processors while code built for wider vectors
// (the C library's memcpy among it) has left the upper halves of the vector
// registers in use, which is the usual state in the middle of a frame.
//
// A row loop is a function marked TESSELL_ROW_LOOP, always inlined, so that
// each of the two functions that wrap it below gets the whole loop compiled
// for its own processor; ChooseRowLoop<Loop>() gives the one to call, kept in
// a pointer made when the file's statics are (so no row loop runs from another
// file's static initialiser). Plain functions and a pointer, not the
// compilers' function clones: clang emits those under other names only, and
// its objects then lack the function's own name.
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) || defined(__clang__))
#define TESSELL_AVX2_BUILD 1
#else
#define TESSELL_AVX2_BUILD 0
#endif

#if defined(__GNUC__) || defined(__clang__)
#define TESSELL_ROW_LOOP __attribute__((always_inline)) inline
#else
#define TESSELL_ROW_LOOP inline
#endif

#include <cstdint>

// Blocks of sixteen and of eight 16-bit pixels, one vector register each.
typedef uint16_t Block16 __attribute__((vector_size(32)));
typedef uint16_t Block8 __attribute__((vector_size(16)));

template <auto Loop>
struct RowLoopBuilds;

template <typename Result, typename... Args, Result (*Loop)(Args...)>
struct RowLoopBuilds<Loop> {
#if TESSELL_AVX2_BUILD
    __attribute__((target("avx2"))) static Result Avx2(Args... args) { return Loop(args...); }
#endif
    static Result Baseline(Args... args) { return Loop(args...); }
};

// The build of the row loop for the processor the program runs on. Safe in a
// static initialiser: the processor's features are read first.
template <auto Loop>
auto* ChooseRowLoop()
{
#if TESSELL_AVX2_BUILD
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        return &RowLoopBuilds<Loop>::Avx2;
#endif
    return &RowLoopBuilds<Loop>::Baseline;
}
