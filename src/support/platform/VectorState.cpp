#include "support/platform/VectorState.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {
// Built for processors with AVX, and run only on them.
__attribute__((target("avx"))) void ZeroUpper()
{
    _mm256_zeroupper();
}

const bool kHasAvx = __builtin_cpu_supports("avx");
} // namespace

void ClearUpperVectorState()
{
    if (kHasAvx)
        ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif
