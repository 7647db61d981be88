// Text of the reference pictures (syntax panels and word problems): lines made of pieces
// printed one after another, each plain, bold or underlined, in the default face.
#pragma once

#include <string>
#include <vector>

#include "ui/Canvas.h"

namespace deducto {

enum class Emphasis { None, Bold, Underline };

struct Piece {
    std::string text;
    Emphasis emphasis = Emphasis::None;
};

// Prints `pieces` from (x, y) at `size` points, each where the one before ended; returns
// the x after the last. The canvas is left in the plain face at `size`.
int PrintPieces(ui::Canvas& canvas, int x, int y, const std::vector<Piece>& pieces, double size);

// Prints a bold label and, on the same line, its value after the label's width measured
// with two trailing blanks; returns the x after the value.
int PrintLabelled(ui::Canvas& canvas, int x, int y, const std::string& label,
                  const std::string& value, double size);

}  // namespace deducto
