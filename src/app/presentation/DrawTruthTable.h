// Truth tables drawn as text and rules: one column per term, the formula heading the value
// column. Propositional tables show "T"/"F" per letter; predicate tables show each world as
// the inhabited flags of its regions and the region of each individual.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Mode.h"
#include "Options.h"
#include "UserPrompts.h"
#include "ui/Canvas.h"

namespace deducto {

class clsTruthTable;

inline constexpr int kMaxShownRows = 100;
inline constexpr const char* kTableTooLarge =
    "Table too large to display.  Only first 100 rows will be displayed.";
inline constexpr const char* kTrueInAllCases = "TRUE IN ALL CASES";
inline constexpr const char* kFalseInAllCases = "FALSE IN ALL CASES";
// The largest picture a drawing asks for, either way: it holds the 100 rows that are ever
// drawn, while keeping the kept image of a very large table to a sensible size.
inline constexpr int kMaxPictureTwips = 32767;

// Draws `table` with `tokenList` heading its value column: the propositional layout in
// propositional mode, the predicate layout otherwise. Rows pass the filters of `options`;
// past 100 shown rows the user is told (through `prompts`) and drawing stops. Returns the
// size the window needs for every row of the table, which may exceed any screen. When
// `text` is given it receives the drawing as lines of text, the heading first and then one
// line per drawn row, for screen readers.
ui::TwipSize DrawTruthTable(ui::Canvas& canvas, const clsTruthTable& table,
                            std::string_view tokenList, Mode mode, const Options& options,
                            UserPrompts& prompts, std::vector<std::string>* text = nullptr);

// A region label with "&" standing for the intersection sign: its drawn width, and drawing
// it at (x, y), which moves x past it.
int LabelWidth(const ui::Canvas& canvas, std::string_view label);
void DrawRegionLabel(ui::Canvas& canvas, int& x, int y, std::string_view label);

}  // namespace deducto
