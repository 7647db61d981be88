// What the program keeps of each of the nine argument lines once it has read them: the
// tokens and the table of the last successful reading.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "Lines.h"

namespace deducto {

class clsTruthTable;

struct ArgumentLine {
    std::string tokens;                          // token list of the last successful parse
    std::shared_ptr<const clsTruthTable> table;  // none when the line holds no formula
    std::string PolishStr;                       // the formula `table` was built from
    bool changed = false;                        // text differs from what was last parsed

    bool operator==(const ArgumentLine&) const = default;
};

// lines[0] is the conclusion, lines[k] premise k.
using ArgumentLines = std::array<ArgumentLine, kLineCount>;

}  // namespace deducto
