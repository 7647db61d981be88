// Grading against an answer key: an argument file's "Expect:" line names the verdict the
// teacher expects, and --grade compares it with the verdict the check gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "truthtable/modEvaluate.h"

namespace deducto::cli {

struct CheckReport;

// The short names, as a message lists them.
inline constexpr const char* kVerdictNames =
    "\"always true\", \"does not follow\", \"always false\", \"premises inconsistent\"";

// A verdict by its short name or its full text, in any case and spacing, the final period
// optional; nullopt when `text` names none.
[[nodiscard]] std::optional<Verdict> VerdictNamed(std::string_view text);

// "always true" and the like; "not evaluated (...)" when the check gave no verdict.
[[nodiscard]] std::string OutcomeName(const CheckReport& report);

struct Grade {
    bool passed = false;
    std::string text;  // "ok", "wrong: expected ..., got ..." or why there was nothing to compare
};

[[nodiscard]] Grade GradeOf(const CheckReport& report, std::optional<Verdict> expected);

}  // namespace deducto::cli
