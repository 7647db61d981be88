// The table options of the Options menu: which columns a line's table keeps, which rows a
// truth-table window shows, and whether several tables may be open at once.
#pragma once

namespace deducto {

struct Options {
    bool eliminateUnneeded = true;  // "&Eliminate Unneeded Columns"
    bool showFalseOnly = false;     // "Show &False Only"
    bool showTrueOnly = false;      // "Show &True Only"
    bool multiTable = false;        // "Allow &Multi-Table Display"
    bool showSteps = false;         // "Show Every &Step"

    bool operator==(const Options&) const = default;
};

}  // namespace deducto
