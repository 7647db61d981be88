// The argument files of one command line: the paths as given, the files of folders read
// with -r (those ending in .deducto, sorted by path), and the paths of a --files-from list.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace deducto::cli {

struct CommandLine;

inline constexpr const char* kArgumentExtension = ".deducto";

// One file to check, or a place that could not be read: it becomes a failed file with its
// reason, never a skipped one.
struct InputFile {
    std::string path;
    std::string error;  // empty when the path is to be checked
};

struct InputFiles {
    std::vector<InputFile> files;
    std::string error;  // the list of files itself could not be read: nothing is checked
};

// The files of `command` in order; `in` is read for "--files-from -".
[[nodiscard]] InputFiles CollectInputs(const CommandLine& command, std::istream& in);

// Every file under `folder` ending in .deducto, sorted by path, appended to `files`. A folder
// reached again through a symbolic link is not read twice; a folder that cannot be read is
// an entry with its reason.
void WalkFolder(const std::string& folder, std::vector<InputFile>& files);

}  // namespace deducto::cli
