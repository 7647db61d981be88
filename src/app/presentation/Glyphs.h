// The line-art symbols of logical notation that the default face lacks, one routine each,
// shared by the formula display, the truth-table headings and the syntax reference. Each
// draws in the canvas's fore colour with the symbol's top-left corner at (x, y); a symbol
// stands 200 twips tall, the height of a line of 8-point text. How far the pen moves after
// a symbol is the caller's layout, not the symbol's.
#pragma once

#include "ui/Canvas.h"

namespace deducto {

void DrawAndSign(ui::Canvas& canvas, int x, int y);            // wedge, 100 twips wide
void DrawOrSign(ui::Canvas& canvas, int x, int y);             // vee, 100 twips wide
void DrawIffSign(ui::Canvas& canvas, int x, int y);            // three bars, 120 wide
void DrawDoubleArrowSign(ui::Canvas& canvas, int x, int y);    // two-headed arrow, 200 wide
void DrawImpliesSign(ui::Canvas& canvas, int x, int y);        // right arrow, 120 wide
void DrawExistsSign(ui::Canvas& canvas, int x, int y);         // reversed E, 120 wide
void DrawForAllSign(ui::Canvas& canvas, int x, int y);         // turned A, 120 wide
void DrawUnionSign(ui::Canvas& canvas, int x, int y);          // cup, 140 wide
void DrawSubsetSign(ui::Canvas& canvas, int x, int y);         // open C, 140 wide
void DrawSubsetOrEqualSign(ui::Canvas& canvas, int x, int y);  // the same over a bar

// The intersection sign, 160 twips wide, always black: a truth-table heading draws it in
// the colour of its text but the sign itself stays black.
void DrawIntersectionSign(ui::Canvas& canvas, int x, int y);

// The membership sign, printed from the symbol face; returns its printed width.
int PrintMembershipSign(ui::Canvas& canvas, int x, int y);

}  // namespace deducto
