// Grading against an answer key: an argument file's "Expect:" line names the verdict the
// teacher expects, and --grade compares it with the verdict the check gives.
#pragma once

#include <optional>
#include <string>

#include "truthtable/modEvaluate.h"

namespace deducto::cli {

struct CheckReport;

// "always true" and the like; "not evaluated (...)" when the check gave no verdict.
[[nodiscard]] std::string OutcomeName(const CheckReport& report);

struct Grade {
    bool passed = false;
    std::string text;  // "ok", "wrong: expected ..., got ..." or why there was nothing to compare
};

[[nodiscard]] Grade GradeOf(const CheckReport& report, std::optional<Verdict> expected);

}  // namespace deducto::cli
