// Testing an argument: the premises are conjoined in line order, each conjunction
// simplified, and compared with the conclusion; the verdict is read from the comparison.
#pragma once

#include <memory>
#include <string>

#include "Outcome.h"

namespace deducto {

class Session;
class clsTruthTable;

inline constexpr const char* kVerdictPremisesFalse =
    "The conclusion follows because the premises are false or inconsistent.";
inline constexpr const char* kVerdictAlwaysTrue = "The conclusion is always true.";
inline constexpr const char* kVerdictAlwaysFalse = "The conclusion is always false.";
inline constexpr const char* kVerdictDoesNotFollow = "The conclusion does not follow.";

struct Evaluation {
    Status status;        // Cancelled or LimitReached leave no verdict
    std::string verdict;  // one of the four verdict texts
    std::shared_ptr<const clsTruthTable> comparisonTable;
    [[nodiscard]] bool doesNotFollow() const { return verdict == kVerdictDoesNotFollow; }
};

// Evaluates the argument held in session.lines (line 0 must have a table). Publishes
// progress in session.progress and polls session.CheckCancel(). Without premises the
// comparison is the conclusion's own table, simplified, and it replaces the line's table.
[[nodiscard]] Evaluation EvaluateArgument(Session& session);

}  // namespace deducto
