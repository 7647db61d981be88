// Text shaping shared by the help texts and manual pages of both programs.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace deducto {

// Greedy word wrap of `text` into lines of at most `width` columns, continuation lines after
// `indent` spaces; the first line starts at column `firstUsed`. Ends in a line end.
[[nodiscard]] std::string Wrapped(std::string_view text, std::size_t indent, std::size_t width,
                                  std::size_t firstUsed);

// Text as roff: backslashes and hyphens escaped, a leading period or quote defused.
[[nodiscard]] std::string Roff(std::string_view text);

// What a program's manual page (section 1) says before its options: the title, the name and
// summary, the synopsis, the description's paragraphs and then `block` as lines kept as they
// are (the argument-file format, which both programs read).
struct ManPageHead {
    std::string_view program;  // "deducto-check"
    std::string_view summary;
    std::string_view synopsis;
    std::span<const char* const> description;
    std::span<const char* const> block;
};
[[nodiscard]] std::string ManPageStart(const ManPageHead& head, std::string_view version);

}  // namespace deducto
