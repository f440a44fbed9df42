#include "base/vectorstate.h"

namespace Ko {

void clearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
    // vzeroupper is an invalid instruction on a processor without AVX.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        asm volatile("vzeroupper" ::: "memory");
#endif
}

} // namespace Ko
