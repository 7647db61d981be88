// The evaluation details: the cases in which the conclusion fails, one block of lines per
// case under a heading, as many as the picture holds.
#pragma once

#include <vector>

#include "Details.h"
#include "ui/Canvas.h"

namespace deducto {

// Draws `cases` (already worded for the mode) and returns the size the window needs. Cases
// that would start within 300 twips of the picture's bottom are replaced by one line saying
// that there are more. The width is that of the widest line drawn, whatever the canvas's;
// `caseTops`, when given, receives the y of each case drawn.
ui::TwipSize DrawDetails(ui::Canvas& canvas, const std::vector<CaseText>& cases,
                         std::vector<int>* caseTops = nullptr);

}  // namespace deducto
