#pragma once
// WIDEST_LANES before a function builds it twice, for AVX2 and for any x86-64, where the loader
// picks a function's variant by the processor (ifunc, on ELF): eight float lanes a step instead
// of four, the same float operations. Elsewhere it builds the function once.
#if defined(__ELF__) && defined(__x86_64__)
#define WIDEST_LANES __attribute__((target_clones("avx2", "default")))
#else
#define WIDEST_LANES
#endif
