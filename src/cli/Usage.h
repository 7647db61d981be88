// What deducto-check does and how it is called, written once and rendered twice: as the
// --help text and as the manual page, so the two always say the same.
#pragma once

#include <string>
#include <string_view>

namespace deducto::cli {

// The --help text, wrapped for an 80-column terminal.
[[nodiscard]] std::string HelpText();

// The manual page deducto-check(1) in roff (man) markup.
[[nodiscard]] std::string ManPage(std::string_view version);

}  // namespace deducto::cli
