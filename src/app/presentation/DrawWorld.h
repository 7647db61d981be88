// One failing case drawn as a world: the letters' values (propositional mode) or a Venn
// diagram of the predicates with empty regions shaded, inhabited ones marked "×" and each
// individual written in its region (a list of regions beyond four predicates), and beside
// it every line in notation with its value there.
#pragma once

#include <string>
#include <vector>

#include "natural/modLangTerms.h"
#include "truthtable/World.h"
#include "ui/Canvas.h"

namespace deducto {

inline constexpr ui::Colour kShading{150, 150, 150};

struct WorldLineShown {
    int index = 0;       // 0 the conclusion, 1 to 8 the premises
    std::string tokens;  // token list, drawn in notation
    char value = 0;      // 'T' or 'F' in the world
};

struct WorldPicture {
    const World* world = nullptr;
    std::vector<WorldLineShown> lines;
    const std::vector<LangTerm>* terms = nullptr;  // natural language: the lexicon
    int caseNumber = 1;
    int cases = 1;
};

// Draws from the top of the canvas, leaving `top` twips for the window's buttons; returns
// the size the drawing needs.
ui::TwipSize DrawWorld(ui::Canvas& canvas, const WorldPicture& picture, int top);

}  // namespace deducto
