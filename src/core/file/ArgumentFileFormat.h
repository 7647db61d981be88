// The argument file's format in a few lines, as both programs' help texts and manual pages
// show it: kept beside the reader so that what they promise and what it reads stay one.
#pragma once

#include <span>

namespace deducto {

// One line of text each, aligned for a fixed-width terminal.
[[nodiscard]] std::span<const char* const> ArgumentFileFormat();

}  // namespace deducto
