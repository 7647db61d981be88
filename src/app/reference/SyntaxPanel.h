// The syntax reference of each mode, drawn into the large picture of the main window.
#pragma once

#include "Mode.h"
#include "ui/Canvas.h"

namespace deducto {

inline constexpr ui::TwipSize kPanelSize{20000, 20000};

// Clears `canvas` to the panel background and draws the reference of `mode`. For now the
// panel names its mode; the full reference tables come with the help material.
void DrawSyntaxPanel(ui::Canvas& canvas, Mode mode);

}  // namespace deducto
