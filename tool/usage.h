// graph-query's usage text, made from the command table.
#ifndef TOOL_USAGE_H_
#define TOOL_USAGE_H_

#include <string>

// usageText()
//
// Returns the usage message that --help prints: the synopsis, every command
// and every option of the command table with its help wrapped to 79 columns,
// and the exit statuses; it ends in a line feed. O(table).
std::string usageText();

// versionText()
//
// Returns what --version prints: the program's name and version, then the
// reader's fast-path kernel in use and the kernels this processor runs.
// O(kernels).
std::string versionText();

#endif  // TOOL_USAGE_H_
