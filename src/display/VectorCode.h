#pragma once
// The loops over whole rows of pixels are built twice on x86-64 and the one
// the processor runs is chosen when the program starts: AVX2 code where it has
// AVX2, the baseline elsewhere. Beyond its wider vectors, AVX2 code has every
// vector instruction in the VEX form. The baseline's SSE forms run several
// times slower on some processors while code built for wider vectors (the C
// library's memcpy among it) has left the upper halves of the vector
// registers in use, which is the usual state in the middle of a frame.
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) || defined(__clang__))
#define TESSELL_ROW_LOOPS __attribute__((target_clones("avx2", "default")))
#else
#define TESSELL_ROW_LOOPS
#endif
