// Text shaping shared by the help texts and manual pages of both programs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace deducto {

// Greedy word wrap of `text` into lines of at most `width` columns, continuation lines after
// `indent` spaces; the first line starts at column `firstUsed`. Ends in a line end.
[[nodiscard]] std::string Wrapped(std::string_view text, std::size_t indent, std::size_t width,
                                  std::size_t firstUsed);

// Text as roff: backslashes and hyphens escaped, a leading period or quote defused.
[[nodiscard]] std::string Roff(std::string_view text);

}  // namespace deducto
