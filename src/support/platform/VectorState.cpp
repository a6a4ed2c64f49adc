#include "support/platform/VectorState.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {
// Built for processors with AVX, and run only on them.
__attribute__((target("avx"))) void ZeroUpper()
{
    _mm256_zeroupper();
}

bool HasAvx()
{
    // Asked once, after the processor's features have been read (this may run
    // before the library that reads them has been set up).
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return has;
}
} // namespace

void ClearUpperVectorState()
{
    if (HasAvx())
        ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif
