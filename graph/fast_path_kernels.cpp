// Chooses the fast path's kernel, once: the one GRAPH_FAST_PATH names, or the
// best one the processor runs.
#include "graph/internal/fast_path_kernels.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "graph/fast_path.h"

namespace graph_internal {
namespace {

// Whether the processor has `feature`, a single bit.
bool processorHas(CpuFeature feature) {
#if defined(__x86_64__)
    // __builtin_cpu_supports takes string literals only.
    switch (feature) {
        case kSse2:
            return __builtin_cpu_supports("sse2");
        case kSse3:
            return __builtin_cpu_supports("sse3");
        case kSsse3:
            return __builtin_cpu_supports("ssse3");
        case kSse41:
            return __builtin_cpu_supports("sse4.1");
        case kSse42:
            return __builtin_cpu_supports("sse4.2");
        case kPopcnt:
            return __builtin_cpu_supports("popcnt");
        case kAvx:
            return __builtin_cpu_supports("avx");
        case kAvx2:
            return __builtin_cpu_supports("avx2");
        case kFma:
            return __builtin_cpu_supports("fma");
        case kBmi:
            return __builtin_cpu_supports("bmi");
        case kBmi2:
            return __builtin_cpu_supports("bmi2");
        case kAvx512f:
            return __builtin_cpu_supports("avx512f");
        case kAvx512bw:
            return __builtin_cpu_supports("avx512bw");
        case kAvx512cd:
            return __builtin_cpu_supports("avx512cd");
        case kAvx512dq:
            return __builtin_cpu_supports("avx512dq");
        case kAvx512vl:
            return __builtin_cpu_supports("avx512vl");
        case kAvx512vbmi:
            return __builtin_cpu_supports("avx512vbmi");
        case kAvx512vbmi2:
            return __builtin_cpu_supports("avx512vbmi2");
    }
#endif
    (void)feature;
    return false;
}

// The kernel named `name`, or nullptr. O(kernels).
const FastPathKernel* kernelNamed(std::string_view name) {
    for (const FastPathKernel& kernel : kFastPathKernels) {
        if (name == kernel.name) {
            return &kernel;
        }
    }
    return nullptr;
}

struct Choice {
    const FastPathKernel* kernel;
    std::string problem;  // what fastPathProblem() says
};

Choice choose(const char* named) {
    Choice choice{nullptr, ""};
    for (const FastPathKernel& kernel : kFastPathKernels) {
        if (runsHere(kernel)) {
            choice.kernel = &kernel;
        }
    }
    if (named == nullptr || *named == '\0') {
        return choice;
    }
    const FastPathKernel* kernel = kernelNamed(named);
    if (kernel == nullptr) {
        choice.problem = "no fast-path kernel '" + std::string(named) + "' (kernels: ";
        for (const FastPathKernel& each : kFastPathKernels) {
            choice.problem += std::string(&each == kFastPathKernels ? "" : ", ") + each.name;
        }
        choice.problem += ")";
    } else if (!runsHere(*kernel)) {
        choice.problem = "this processor cannot run '" + std::string(named) + "'";
    } else {
        choice.kernel = kernel;
    }
    return choice;
}

const Choice& chosen() {
    static const Choice choice = choose(std::getenv("GRAPH_FAST_PATH"));
    return choice;
}

}  // namespace

bool runsHere(const FastPathKernel& kernel) {
#if defined(__x86_64__)
    __builtin_cpu_init();
#endif
    for (CpuFeatures left = withImplied(kernel.needs); left != 0; left &= left - 1) {
        if (!processorHas(static_cast<CpuFeature>(left & (0 - left)))) {
            return false;
        }
    }
    return true;
}

const FastPathKernel& chosenFastPathKernel() {
    return *chosen().kernel;
}

}  // namespace graph_internal

std::vector<FastPathKernelSupport> fastPathKernels() {
    std::vector<FastPathKernelSupport> kernels;
    for (const graph_internal::FastPathKernel& kernel : graph_internal::kFastPathKernels) {
        kernels.push_back({kernel.name, graph_internal::runsHere(kernel)});
    }
    return kernels;
}

std::string fastPathKernel() {
    return graph_internal::chosenFastPathKernel().name;
}

std::string fastPathProblem() {
    return graph_internal::chosen().problem;
}
