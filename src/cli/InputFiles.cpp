#include "InputFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>
#include <utility>

#include "CommandLine.h"

namespace deducto::cli {

namespace {

namespace fs = std::filesystem;

// A folder's identity, whatever path reached it.
using FolderId = std::pair<dev_t, ino_t>;

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool EndsWithExtension(const std::string& name) {
    const std::string extension = kArgumentExtension;
    return name.size() > extension.size() &&
           name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

std::string Reason(const std::error_code& error) { return error.message(); }

// Depth first; the entries of each folder are collected first and sorted at the end, so the
// order is by path whatever order the file system lists them in.
void Walk(const std::string& folder, std::set<FolderId>& seen, std::vector<InputFile>& files) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        files.push_back({folder, "cannot read folder " + folder + ": " + std::strerror(errno)});
        return;
    }
    if (!seen.insert({info.st_dev, info.st_ino}).second) return;  // a link back: read already
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        files.push_back({folder, "cannot read folder " + folder + ": " + Reason(error)});
        return;
    }
    std::vector<std::string> subfolders;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        if (error) break;
        const fs::directory_entry& entry = *entries;
        const std::string path = entry.path().string();
        std::error_code kindError;
        if (entry.is_directory(kindError)) {  // follows symbolic links
            subfolders.push_back(path);
        } else if (EndsWithExtension(entry.path().filename().string())) {
            // A file that cannot be opened still gets its row, with the reason.
            files.push_back({path, {}});
        }
    }
    if (error) files.push_back({folder, "cannot read folder " + folder + ": " + Reason(error)});
    std::sort(subfolders.begin(), subfolders.end());
    for (const std::string& subfolder : subfolders) Walk(subfolder, seen, files);
}

void Add(const std::string& path, bool recursive, std::vector<InputFile>& files) {
    if (path != "-" && IsFolder(path)) {
        if (recursive) {
            WalkFolder(path, files);
        } else {
            files.push_back({path, path + " is a folder (-r checks the " +
                                       std::string(kArgumentExtension) + " files in it)"});
        }
        return;
    }
    files.push_back({path, {}});
}

// One path a line; blank lines are skipped and a carriage return before the line end goes.
bool ReadList(std::istream& list, bool recursive, std::vector<InputFile>& files) {
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        Add(line, recursive, files);
    }
    return !list.bad();
}

}  // namespace

void WalkFolder(const std::string& folder, std::vector<InputFile>& files) {
    std::set<FolderId> seen;
    const std::size_t first = files.size();
    Walk(folder, seen, files);
    // Sorted by path as a whole: a folder's files and its subfolders' files interleave as
    // their names do.
    std::stable_sort(files.begin() + static_cast<long>(first), files.end(),
                     [](const InputFile& a, const InputFile& b) { return a.path < b.path; });
}

InputFiles CollectInputs(const CommandLine& command, std::istream& in) {
    InputFiles inputs;
    for (const std::string& path : command.paths) Add(path, command.recursive, inputs.files);
    if (command.filesFrom.empty()) return inputs;
    if (command.filesFrom == "-") {
        if (!ReadList(in, command.recursive, inputs.files)) {
            inputs.error = "cannot read the list of files from standard input";
        }
        return inputs;
    }
    if (IsFolder(command.filesFrom)) {
        inputs.error = "cannot read the list of files " + command.filesFrom + ": Is a directory";
        return inputs;
    }
    std::ifstream list(command.filesFrom);
    if (!list) {
        inputs.error =
            "cannot read the list of files " + command.filesFrom + ": " + std::strerror(errno);
        return inputs;
    }
    if (!ReadList(list, command.recursive, inputs.files)) {
        inputs.error = "cannot read the list of files " + command.filesFrom;
    }
    return inputs;
}

}  // namespace deducto::cli
