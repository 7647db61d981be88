// A truth table a student can follow: besides the term columns, one column for every
// compound sub-formula of a line, in the order they are worked out by hand (innermost first,
// then left to right), the whole line last. In the predicate modes only closed sub-formulas
// have a value in a world, so only they get columns; the rows are the line's worlds.
//
// Values are kept as bits, one per row, so that wide tables of 16384 rows stay cheap.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Mode.h"
#include "Outcome.h"

namespace deducto {

class Computation;
class clsTruthTable;

// The rows a step table runs over, and the term columns that describe them.
struct StepRows {
    Mode mode = Mode::Propositional;
    int count = 0;
    // Propositional: the letters, ascending; row i is the count-down assignment 2^n - 1 - i.
    std::string letters;
    // Predicate modes: a table with every term of the formulas shown, never simplified, whose
    // rows are the worlds (its values do not matter).
    std::shared_ptr<const clsTruthTable> worlds;

    // Propositional: the value of letter j in row i.
    [[nodiscard]] bool LetterValue(int row, int j) const {
        const int n = static_cast<int>(letters.size());
        const unsigned assignment = ((1u << n) - 1) - static_cast<unsigned>(row);
        return (assignment >> (n - 1 - j)) & 1u;
    }
};

struct StepColumn {
    std::string tokenList;  // the sub-formula in reading order, to be drawn like a line
    std::string keywords;   // the sub-formula in the keyword syntax: "not (p and q)"
    std::string PolishStr;
    std::vector<std::uint64_t> bits;  // bit i set: true in row i

    [[nodiscard]] bool Value(int row) const { return (bits[row >> 6] >> (row & 63)) & 1u; }
};

// Bits over `rows` rows, all clear.
[[nodiscard]] std::vector<std::uint64_t> NoRows(int rows);

struct StepTable {
    Status status;
    StepRows rows;
    std::vector<StepColumn> steps;  // in the order computed; the last is the whole line
};

// The step table of the formula `PolishStr`, which a line shows as `lineTokens` (the main
// column's heading, so a set-theory line keeps its notation). `fullTable`, when given, is
// the formula's table built without removing columns; otherwise it is built here.
[[nodiscard]] StepTable BuildStepTable(std::string_view PolishStr, std::string_view lineTokens,
                                       Mode mode, Computation& work,
                                       std::shared_ptr<const clsTruthTable> fullTable = nullptr);

// The columns of one formula over rows that cover its terms, added to `columns`: with
// `steps`, every step column, else only the formula's own, which heads as `lineTokens`.
// `whole`, when given, is a table of the whole formula (its value is read from it).
[[nodiscard]] Status FormulaColumns(std::string_view PolishStr, std::string_view lineTokens,
                                    const StepRows& rows, bool steps, Computation& work,
                                    std::vector<StepColumn>& columns,
                                    const clsTruthTable* whole = nullptr);

// The propositional letters of a Polish string, added to `letters` (kept ascending).
void AddLetters(std::string_view PolishStr, std::string& letters);

}  // namespace deducto
