// What --tree adds to a checked argument: the truth tree of its lines, as text, as LaTeX
// (with --format latex) or as the "tree" member of the JSON report.
#pragma once

#include <memory>
#include <ostream>

#include "Json.h"
#include "RunCheck.h"
#include "tree/TruthTree.h"

namespace deducto::cli {

// The tree's input: every line that was read, premises in order, then the conclusion.
[[nodiscard]] TreeInput TreeInputOf(const CheckReport& report);

// The finished tree of an evaluated argument; null when the argument was not evaluated.
[[nodiscard]] std::unique_ptr<TruthTree> TreeOf(const CheckReport& report);

// The "tree" member: nodes, branches, and the message when a limit stopped the tree.
void WriteTreeJson(JsonWriter& json, const CheckReport& report, const TruthTree* tree);

}  // namespace deducto::cli
