// Formulas in logical notation: a token list drawn glyph by glyph, with the connectives and
// set symbols that the default face lacks drawn as line art.
#pragma once

#include <string_view>

#include "Mode.h"
#include "presentation/Glyphs.h"  // the symbols, for callers that draw them alone
#include "ui/Canvas.h"

namespace deducto {

// Draws `tokenList` from the canvas's current position, then `message` in red after it
// when it is not empty. Leaves the current position after the drawing, at the starting y,
// and returns that x.
int DrawFormula(ui::Canvas& canvas, std::string_view tokenList, std::string_view message,
                Mode mode);

}  // namespace deducto
