// The terms panel: the whole lexicon listed in the large picture of the main window, by
// kind, each term with its letter, its name and its other forms. Terms that entered the
// lexicon since the panel was last drawn are printed in bold.
#pragma once

#include "natural/modLangTerms.h"
#include "ui/Canvas.h"

namespace deducto {

inline constexpr int kTermsPanelGrowFrom = 9500;  // a listing this long enlarges the window

// Draws the panel (entries after lexicon.TermsShownCount in bold) and returns the last
// drawing height reached. Leaves TermsShownCount alone: the caller marks the terms shown.
int DrawTermsPanel(ui::Canvas& canvas, const Lexicon& lexicon);

}  // namespace deducto
