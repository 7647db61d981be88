#include "AnswerKey.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "Grade.h"
#include "InputFiles.h"
#include "file/ReadInput.h"

namespace deducto::cli {

std::string ExerciseOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::optional<AnswerKey> AnswerKey::Open(const std::string& path, std::string& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = "cannot open the key " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    AnswerKey key;
    key.path_ = path;
    if (!S_ISDIR(info.st_mode)) return key;
    key.folder_ = true;
    std::error_code failed;
    std::filesystem::directory_iterator entries(path, failed);
    for (; !failed && entries != std::filesystem::directory_iterator(); entries.increment(failed)) {
        const std::string name = entries->path().filename().string();
        const std::string extension = kArgumentExtension;
        if (name.size() <= extension.size() ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
            continue;
        }
        key.byExercise_.emplace(ExerciseOf(name), entries->path().string());
    }
    if (failed) {
        error = "cannot read the key folder " + path + ": " + failed.message();
        return std::nullopt;
    }
    if (key.byExercise_.empty()) {
        error = "the key folder " + path + " holds no " + kArgumentExtension + " file";
        return std::nullopt;
    }
    return key;
}

AnswerKey::Match AnswerKey::Find(const std::string& studentPath) const {
    if (!folder_) return {ExerciseOf(path_), path_};
    Match match{ExerciseOf(studentPath), {}};
    const auto found = byExercise_.find(match.exercise);
    if (found != byExercise_.end()) match.keyPath = found->second;
    return match;
}

const KeyExercise& KeyCache::Get(const std::string& keyPath) {
    std::unique_ptr<KeyExercise>& slot = keys_[keyPath];
    if (slot) return *slot;
    slot = std::make_unique<KeyExercise>();
    KeyExercise& key = *slot;
    key.path = keyPath;
    const InputText input = ReadInput(keyPath);
    if (!input.ok()) {
        key.error = input.error;
        return key;
    }
    ReadArgument read = ParseArgumentText(input.text);
    if (!read.ok()) {
        key.error = keyPath + ": " + read.error;
        return key;
    }
    key.argument = std::move(read.argument);
    key.report = RunCheck(key.argument, options_);
    if (key.report.result != RunResult::Evaluated) {
        key.error = "its argument is " + OutcomeName(key.report);
        return key;
    }
    key.expected = key.argument.expected ? *key.argument.expected : key.report.verdict;
    return key;
}

}  // namespace deducto::cli
