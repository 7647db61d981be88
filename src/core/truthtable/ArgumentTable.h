// The truth-table test of a whole argument: every premise and the conclusion as columns over
// the same rows (all their letters, or in the predicate modes every world over all their
// terms), the rows in which every premise holds marked, those among them in which the
// conclusion fails (the counterexamples) picked out, and one sentence that says what the
// table shows. The sentence is read off the table, and always agrees with the verdict.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ArgumentLine.h"
#include "Mode.h"
#include "Outcome.h"
#include "truthtable/StepTable.h"

namespace deducto {

class Computation;

inline constexpr const char* kPremisesInconsistentSentence =
    "No row makes every premise true: the premises are inconsistent.";
inline constexpr const char* kConclusionTrueSentence =
    "In every row where all premises are true the conclusion is true.";
inline constexpr const char* kConclusionFalseSentence =
    "In every row where all premises are true the conclusion is false.";

// "In n of the m rows where all premises are true the conclusion is false."
[[nodiscard]] std::string SomeRowsFailSentence(int n, int m);

// One line's columns under its heading.
struct ArgumentLineColumns {
    int line = 0;                     // 0 the conclusion, k premise k
    std::string caption;              // "Premise k" or "Conclusion"
    std::vector<StepColumn> columns;  // its steps when asked for; the last is the line itself
};

struct ArgumentTable {
    Status status;
    StepRows rows;
    std::vector<ArgumentLineColumns> lines;     // premises in slot order, then the conclusion
    std::vector<std::uint64_t> premisesTrue;    // bit i: every premise holds in row i
    std::vector<std::uint64_t> counterexample;  // ... and the conclusion does not
    int premisesTrueRows = 0;
    int counterexampleRows = 0;
    std::string sentence;

    [[nodiscard]] bool PremisesTrue(int row) const {
        return (premisesTrue[row >> 6] >> (row & 63)) & 1u;
    }
    [[nodiscard]] bool Counterexample(int row) const {
        return (counterexample[row >> 6] >> (row & 63)) & 1u;
    }
};

// The argument table of `lines` (the conclusion must have a table), read in `mode`; with
// `steps` each line brings its step columns.
[[nodiscard]] ArgumentTable BuildArgumentTable(const ArgumentLines& lines, Mode mode, bool steps,
                                               Computation& work);

}  // namespace deducto
