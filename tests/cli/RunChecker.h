// Runs the built deducto-check as a process and captures what it printed, and a strict
// little JSON reader to look into its --json output.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace deducto::cli::testing {

struct CheckerRun {
    int exitStatus = -1;  // 128 + signal when it was killed
    std::string out;
    std::string err;
};

// How a run differs from a plain one: with `unprivileged`, a run started by root runs as the
// user "nobody", for whom file permissions hold; with `outputTo` (a device such as /dev/full)
// standard output goes there and `out` stays empty.
struct RunSettings {
    bool unprivileged = false;
    std::string outputTo;
};

// Runs deducto-check with `args`; `input` becomes its standard input.
CheckerRun RunChecker(const std::vector<std::string>& args, std::string_view input = "",
                      const RunSettings& settings = {});

// Writes `content` to a new temporary file and returns its path.
std::string TempFile(std::string_view content);

std::string SamplePath(std::string_view name);

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<Json> array;
    std::map<std::string, Json> object;

    [[nodiscard]] bool has(const std::string& key) const { return object.count(key) != 0; }
    [[nodiscard]] const Json& operator[](const std::string& key) const { return object.at(key); }
    [[nodiscard]] const Json& operator[](std::size_t i) const { return array.at(i); }
};

// Parses a whole JSON text strictly (no trailing text, no raw control characters, only
// well-formed UTF-8); nullopt when it is not valid JSON.
std::optional<Json> ParseJson(std::string_view text);

}  // namespace deducto::cli::testing
