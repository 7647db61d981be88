// Step tables and argument tables written out as text, CSV, Markdown or a LaTeX tabular, with
// the columns and rows the windows show (all rows, not only the first hundred). The line's
// own column is set apart from its steps, as the value column is in a line's table.
#pragma once

#include <string>
#include <vector>

#include "Options.h"
#include "truthtable/ArgumentTable.h"
#include "truthtable/StepTable.h"
#include "truthtable/TableExport.h"

namespace deducto {

// What marks an argument table's row.
inline constexpr const char* kMarkHeading = "Mark";
inline constexpr const char* kPremisesTrueMark = "premises true";
inline constexpr const char* kCounterexampleMark = "counterexample";

// One column as it is shown: its heading (and the caption of its line above, in an argument
// table) and where its cells come from.
struct ShownStepColumn {
    enum class Kind { Letter, Flag, Region, Step, Mark };
    Kind kind = Kind::Step;
    int index = 0;                     // the letter, internal term or local term
    const StepColumn* step = nullptr;  // Kind::Step
    std::string caption;               // "Premise k" over a line's first column
    std::string tokenList;             // Kind::Step: the heading's formula, to be drawn
    std::string heading;               // in plain-text notation
    int rule = 0;                      // before it: 0 none, 1 a rule, 2 a double rule
    bool main = false;                 // the value of a whole line
};

struct ShownSteps {
    const StepRows* rows = nullptr;
    std::vector<ShownStepColumn> columns;
    std::vector<int> shownRows;               // the rows shown, in order
    const ArgumentTable* argument = nullptr;  // set for an argument table: the marks
};

// The columns and rows of a step table; the row filters of `options` act on the line's value.
[[nodiscard]] ShownSteps StepTableShown(const StepTable& table, const Options& options);
// The columns and rows of an argument table: every row.
[[nodiscard]] ShownSteps ArgumentTableShown(const ArgumentTable& table);

// A cell in plain text: "T"/"F", a flag, a region, or a mark.
void AppendCell(const ShownSteps& shown, const ShownStepColumn& column, int row, std::string& out);

[[nodiscard]] std::string ExportStepTable(const StepTable& table, const Options& options,
                                          TableFormat format);
// The sentence follows the table in every format but CSV.
[[nodiscard]] std::string ExportArgumentTable(const ArgumentTable& table, TableFormat format);

}  // namespace deducto
