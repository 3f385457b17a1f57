// graph-query's exit statuses, its interface to scripts: the one place where
// they are given their numbers.
#ifndef TOOL_EXIT_STATUS_H_
#define TOOL_EXIT_STATUS_H_

enum class ExitStatus : int {
    // An answer.
    answered = 0,
    // A negative answer: not reachable, no least weight, vertices left out of
    // an order, a negative cycle in a matrix, FILE not read whole for `check`.
    negative = 1,
    // Trouble, even after an answer: a usage error, a file that cannot be
    // read, FILE not read whole and as written, a vertex the graph does not
    // hold, an invalid line in CMDFILE, a write error, exhausted memory.
    trouble = 2,
};

// The worse of two statuses: trouble over a negative answer over an answer.
inline ExitStatus worse(ExitStatus a, ExitStatus b) {
    return a < b ? b : a;
}

// The number the process exits with.
inline int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

#endif  // TOOL_EXIT_STATUS_H_
