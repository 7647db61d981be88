// Step tables and argument tables drawn as the truth-table window draws a line's table: the
// term columns, then each line's columns headed by their formulas in logical notation, the
// line's own value in bold after a rule. Headings wider than a column may be are numbered
// and written out in a legend under the rows. In an argument table, every counterexample row
// is drawn in red.
#pragma once

#include <string>
#include <vector>

#include "Mode.h"
#include "UserPrompts.h"
#include "truthtable/StepExport.h"
#include "ui/Canvas.h"

namespace deducto {

// Headings wider than this are numbered, with the formula in the legend.
inline constexpr int kMaxHeadingTwips = 2600;

// Draws the first 100 shown rows of `shown` (telling the user through `prompts` when there
// are more) and returns the size the drawing needs. `text` receives the drawing as lines.
ui::TwipSize DrawStepTable(ui::Canvas& canvas, const ShownSteps& shown, Mode mode,
                           UserPrompts& prompts, std::vector<std::string>* text = nullptr);

}  // namespace deducto
