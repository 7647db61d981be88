// deducto-check's command line: the options, the argument files and the exit statuses.
#pragma once

#include <string>
#include <vector>

#include "Options.h"
#include "TextOutput.h"

namespace deducto::cli {

inline constexpr int kExitEvaluated = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitLineFailed = 2;
inline constexpr int kExitLimit = 3;
inline constexpr int kExitGradeFailed = 4;
inline constexpr int kExitInternal = 5;

// Threads beyond a few dozen only wait for one another.
inline constexpr int kMaxJobs = 64;

struct CommandLine {
    std::vector<std::string> paths;  // in the order given; "-" is standard input
    bool json = false;
    bool grade = false;
    bool explain = false;  // name the premises that alone give the verdict
    bool world = false;    // show the first failing case as a world
    // Grading a class: an answer key, lines graded by equivalence, a report file.
    std::string key;  // a file or a folder; empty: each file's own Expect line
    bool equivalence = false;
    bool anyOrder = false;
    std::string report;      // CSV file written with --grade
    bool recursive = false;  // folders among the paths are read with their subfolders
    std::string filesFrom;   // a list of paths, one a line; "-" standard input
    bool tree = false;       // show the truth tree
    int jobs = 1;
    TextOptions text;
    Options options;
};

struct ParsedCommandLine {
    CommandLine command;
    std::string error;  // empty when the arguments were understood
    bool help = false;
    bool version = false;
};

[[nodiscard]] ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace deducto::cli
