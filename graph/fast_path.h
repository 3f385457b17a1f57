// The reader's fast path: the kernel that takes the triples of the usual
// shape many bytes at a time, chosen once per process for its processor.
//
// Every kernel reads exactly alike; they differ in speed and in the
// instruction sets they need. The environment variable GRAPH_FAST_PATH names
// the kernel to use; unset or empty, the best one the processor runs is used.
#ifndef GRAPH_FAST_PATH_H_
#define GRAPH_FAST_PATH_H_

#include <string>
#include <vector>

// A kernel of the fast path, and whether this processor runs it.
struct FastPathKernelSupport {
    std::string name;  // "portable", "sse2", "avx2", "avx512bw", "avx512vbmi2"
    bool runs = false;
};

// fastPathKernels()
//
// Every kernel of this build, from the least preferred to the most, and
// whether this processor runs each. O(kernels).
std::vector<FastPathKernelSupport> fastPathKernels();

// fastPathKernel()
//
// The name of the kernel that every reading in this process uses: the one
// GRAPH_FAST_PATH names when this processor runs it, else the last of
// fastPathKernels() that it runs. Chosen at the first call of this,
// fastPathProblem() or a reading, for the whole process. O(1) after that.
std::string fastPathKernel();

// fastPathProblem()
//
// Why GRAPH_FAST_PATH is not followed, "" when it is, or is unset or empty:
// "no fast-path kernel 'NAME' (kernels: portable, sse2, ...)" for a name that
// no kernel has, "this processor cannot run 'NAME'" for a kernel it lacks
// instructions for. Reading works all the same, with fastPathKernel(); a
// program whose user may set the variable reports this as an error.
// O(1) after the choice.
std::string fastPathProblem();

#endif  // GRAPH_FAST_PATH_H_
