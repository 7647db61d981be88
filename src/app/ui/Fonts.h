// The faces the drawings ask for by name, mapped onto faces that are installed: a clear
// sans-serif for "MS Sans Serif", a face with the membership sign for "Symbol" and a
// decorative face (or a plain fallback) for "Harrington".
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "ui/Canvas.h"

namespace deducto::ui {

// The installed family used for a font name of the drawings.
[[nodiscard]] QString FontFamily(std::string_view name);

// The font for `wanted` on a screen of `dpiY` dots per inch, sized in whole pixels so that
// text is sharp and measures the same on every surface.
[[nodiscard]] QFont MapFont(const FontSpec& wanted, double dpiY);

// The membership sign, printed in the "Symbol" font.
inline constexpr const char* kMembershipSign = "\u2208";

}  // namespace deducto::ui
