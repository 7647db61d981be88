// A teacher's answer key: one argument file, or a folder of them, one per exercise. A
// student's file belongs to the exercise of the same file name stem ("ex3.deducto" is graded
// against the key's "ex3.deducto"); a single key file is the key of every file.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "RunCheck.h"

namespace deducto::cli {

// "ex3" for "class/ann/ex3.deducto": the name without its folder and its last extension.
[[nodiscard]] std::string ExerciseOf(const std::string& path);

// One key file, read and checked once.
struct KeyExercise {
    std::string path;
    std::string error;  // why the key cannot be graded against; empty when it can
    ArgumentFile argument;
    CheckReport report;
    std::optional<Verdict> expected;  // its Expect line, or else its own verdict
};

// Which key file grades which exercise. Only names are held here: the keys are read by
// each thread for itself (see KeyCache).
class AnswerKey {
public:
    // Reads the names of the key `path`: a file, or a folder's files ending in .deducto.
    [[nodiscard]] static std::optional<AnswerKey> Open(const std::string& path, std::string& error);

    struct Match {
        std::string exercise;
        std::string keyPath;  // empty when no key file has the exercise's name
    };
    [[nodiscard]] Match Find(const std::string& studentPath) const;
    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] bool folder() const { return folder_; }

private:
    std::string path_;
    bool folder_ = false;
    std::map<std::string, std::string> byExercise_;  // folder: stem -> key file
};

// The keys one thread has read. A truth table builds its row index the first time another
// table is combined with it, so a key's tables are never shared between threads.
class KeyCache {
public:
    explicit KeyCache(const Options& options) : options_(options) {}
    [[nodiscard]] const KeyExercise& Get(const std::string& keyPath);

private:
    Options options_;
    std::map<std::string, std::unique_ptr<KeyExercise>> keys_;
};

}  // namespace deducto::cli
