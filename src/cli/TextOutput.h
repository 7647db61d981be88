// The checker's report for a person: each line in logical notation (or marked where it
// failed, with its messages), the verdict, and on request the failing cases and the truth
// tables of chosen lines.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Check.h"

namespace deducto::cli {

struct TextOptions {
    bool details = false;            // list the cases in which the conclusion fails
    std::vector<int> tables;         // line indices whose truth tables are printed
    std::string explanation;         // printed under the verdict when not empty
    std::vector<std::string> world;  // printed after the failing cases
};

// Natural-language remarks and messages go to `err`; everything else to `out`.
void WriteText(std::ostream& out, std::ostream& err, const CheckReport& report,
               const TextOptions& text, const Options& options);

// One truth table: a column per term, a row per case that the options let through (rows
// marked "-" never), and the formula heading the value column.
void WriteTruthTable(std::ostream& out, const clsTruthTable& table, std::string_view heading,
                     const Options& options);

// "Premise 3" or "Conclusion".
[[nodiscard]] std::string LineName(int index);

}  // namespace deducto::cli
