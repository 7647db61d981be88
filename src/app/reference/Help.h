// The help window and the About box.
#pragma once

#include <string_view>

class QWidget;

namespace deducto {

inline constexpr const char* kHelpContents = "";
inline constexpr const char* kHelpNaturalSentences = "#NSSentences";

// Opens the help page at `anchor`. The help window is not part of the program yet, so for
// now this does nothing.
void LaunchHelp(std::string_view anchor, QWidget* parent);

}  // namespace deducto
