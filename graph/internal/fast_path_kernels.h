// The fast path's kernels, one registry entry each: its name, the instruction
// sets it needs and its entry points. The run-time choice, its order of
// preference and the check of the processor read this registry; each
// kernel's source file checks as it compiles that its flags in CMakeLists.txt
// enable exactly what its entry needs. Nothing else lists the kernels.
#ifndef GRAPH_INTERNAL_FAST_PATH_KERNELS_H_
#define GRAPH_INTERNAL_FAST_PATH_KERNELS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "graph/internal/usual_triples.h"

namespace graph_internal {

// Instruction-set extensions, as bits of a mask. F16C, which clang enables
// with AVX-512F, is left out: nothing here converts half-precision floats,
// and clang cannot check a processor for it.
using CpuFeatures = std::uint32_t;
enum CpuFeature : CpuFeatures {
    kSse2 = 1u << 0,
    kSse3 = 1u << 1,
    kSsse3 = 1u << 2,
    kSse41 = 1u << 3,
    kSse42 = 1u << 4,
    kPopcnt = 1u << 5,
    kAvx = 1u << 6,
    kAvx2 = 1u << 7,
    kFma = 1u << 8,
    kBmi = 1u << 9,
    kBmi2 = 1u << 10,
    kAvx512f = 1u << 11,
    kAvx512bw = 1u << 12,
    kAvx512cd = 1u << 13,
    kAvx512dq = 1u << 14,
    kAvx512vl = 1u << 15,
    kAvx512vbmi = 1u << 16,
    kAvx512vbmi2 = 1u << 17,
};

// What every processor of the architecture built for has: code built
// without flags of its own may use it.
#if defined(__x86_64__)
constexpr CpuFeatures kArchitectureFeatures = kSse2;
#else
constexpr CpuFeatures kArchitectureFeatures = 0;
#endif

// The helpers below have internal linkage, as usual_triples_kernel.h's do,
// so that no copy built for one kernel's instruction sets serves another.
namespace {

// `features` with every feature that comes with them: the processors that
// have one have the others, and GCC or clang enables them with it.
constexpr CpuFeatures withImplied(CpuFeatures features) {
    constexpr CpuFeatures kImplies[][2] = {
        {kSse3, kSse2},
        {kSsse3, kSse3},
        {kSse41, kSsse3},
        {kSse42, kSse41 | kPopcnt},
        {kAvx, kSse42},
        {kAvx2, kAvx},
        {kFma, kAvx},
        {kAvx512f, kAvx2 | kFma},
        {kAvx512bw | kAvx512cd | kAvx512dq | kAvx512vl, kAvx512f},
        {kAvx512vbmi | kAvx512vbmi2, kAvx512bw},
    };
    for (CpuFeatures before = 0; before != features;) {
        before = features;
        for (const auto& implication : kImplies) {
            features |= (features & implication[0]) != 0 ? implication[1] : 0;
        }
    }
    return features;
}

}  // namespace

// The features the compiler may use in the translation unit that includes
// this: what its predefined macros say it enables.
constexpr CpuFeatures kCompiledFeatures = 0
#if defined(__SSE2__)
                                          | kSse2
#endif
#if defined(__SSE3__)
                                          | kSse3
#endif
#if defined(__SSSE3__)
                                          | kSsse3
#endif
#if defined(__SSE4_1__)
                                          | kSse41
#endif
#if defined(__SSE4_2__)
                                          | kSse42
#endif
#if defined(__POPCNT__)
                                          | kPopcnt
#endif
#if defined(__AVX__)
                                          | kAvx
#endif
#if defined(__AVX2__)
                                          | kAvx2
#endif
#if defined(__FMA__)
                                          | kFma
#endif
#if defined(__BMI__)
                                          | kBmi
#endif
#if defined(__BMI2__)
                                          | kBmi2
#endif
#if defined(__AVX512F__)
                                          | kAvx512f
#endif
#if defined(__AVX512BW__)
                                          | kAvx512bw
#endif
#if defined(__AVX512CD__)
                                          | kAvx512cd
#endif
#if defined(__AVX512DQ__)
                                          | kAvx512dq
#endif
#if defined(__AVX512VL__)
                                          | kAvx512vl
#endif
#if defined(__AVX512VBMI__)
                                          | kAvx512vbmi
#endif
#if defined(__AVX512VBMI2__)
                                          | kAvx512vbmi2
#endif
    ;

// The entry points of a kernel: parseUsualTriples, and the sums behind
// windowSums.
using ParseUsualTriples = std::size_t (*)(const char*& next, const char* end, EdgeTriple* out,
                                          std::size_t capacity);
using SumBytes = ByteSums (*)(const char* begin, const char* end);

std::size_t parseUsualTriplesPortable(const char*& next, const char* end, EdgeTriple* out,
                                      std::size_t capacity);
ByteSums byteSumsPortable(const char* begin, const char* end);
#if defined(__x86_64__)
std::size_t parseUsualTriplesSse2(const char*& next, const char* end, EdgeTriple* out,
                                  std::size_t capacity);
ByteSums byteSumsSse2(const char* begin, const char* end);
std::size_t parseUsualTriplesAvx2(const char*& next, const char* end, EdgeTriple* out,
                                  std::size_t capacity);
ByteSums byteSumsAvx2(const char* begin, const char* end);
std::size_t parseUsualTriplesAvx512bw(const char*& next, const char* end, EdgeTriple* out,
                                      std::size_t capacity);
ByteSums byteSumsAvx512bw(const char* begin, const char* end);
std::size_t parseUsualTriplesAvx512vbmi2(const char*& next, const char* end, EdgeTriple* out,
                                         std::size_t capacity);
#endif

// A kernel: its name, what it needs beyond kArchitectureFeatures (its source
// file is built for exactly that), and its entry points.
struct FastPathKernel {
    const char* name;
    CpuFeatures needs;
    ParseUsualTriples parse;
    SumBytes byteSums;
};

// Every kernel, from the least preferred to the most: the last one that the
// processor runs is used.
inline constexpr FastPathKernel kFastPathKernels[] = {
    {"portable", 0, parseUsualTriplesPortable, byteSumsPortable},
#if defined(__x86_64__)
    {"sse2", kSse2, parseUsualTriplesSse2, byteSumsSse2},
    {"avx2", kAvx2 | kBmi | kBmi2 | kPopcnt, parseUsualTriplesAvx2, byteSumsAvx2},
    {"avx512bw", kAvx512f | kAvx512bw | kBmi | kBmi2 | kPopcnt, parseUsualTriplesAvx512bw,
     byteSumsAvx512bw},
    {"avx512vbmi2", kAvx512f | kAvx512bw | kAvx512vbmi | kAvx512vbmi2 | kBmi | kBmi2 | kPopcnt,
     parseUsualTriplesAvx512vbmi2, byteSumsAvx512bw},
#endif
};

namespace {

// What the kernel `name` needs, or every bit for a name no kernel has.
constexpr CpuFeatures kernelNeeds(std::string_view name) {
    for (const FastPathKernel& kernel : kFastPathKernels) {
        if (name == kernel.name) {
            return kernel.needs;
        }
    }
    return ~CpuFeatures{0};
}

// Whether the translation unit that includes this is built for exactly what
// the kernel `name` needs: each kernel's source file asserts it.
constexpr bool builtFor(std::string_view name) {
    return withImplied(kCompiledFeatures | kArchitectureFeatures) ==
           withImplied(kernelNeeds(name) | kArchitectureFeatures);
}

}  // namespace

// Whether this processor has every feature that `kernel` needs, with those
// that come with them. O(features).
bool runsHere(const FastPathKernel& kernel);

// The kernel this process reads with: the one GRAPH_FAST_PATH names when the
// processor runs it, else the last in kFastPathKernels that it runs. Chosen
// at the first call; O(1) after it.
const FastPathKernel& chosenFastPathKernel();

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_FAST_PATH_KERNELS_H_
