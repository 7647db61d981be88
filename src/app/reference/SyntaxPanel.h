// The syntax reference of each mode, drawn into the large picture of the main window: the
// operands, the operators with their notation and precedence, and in natural language the
// kinds of term and a list of accepted sentences.
#pragma once

#include <optional>

#include "Mode.h"
#include "ui/Canvas.h"

namespace deducto {

inline constexpr ui::TwipSize kPanelSize{20000, 20000};

// Where the panel puts the main window's buttons that stand inside its text, in twips of
// the picture (top-left corners).
struct PanelButtons {
    std::optional<ui::TwipPoint> help;  // the natural-language "Help", at the end of its line
};

// Clears `canvas` to the panel background and draws the reference of `mode`.
PanelButtons DrawSyntaxPanel(ui::Canvas& canvas, Mode mode);

}  // namespace deducto
