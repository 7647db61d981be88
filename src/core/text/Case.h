// Upper and lower case of term texts and sentences: terms are kept in lower case and shown
// in upper case. Besides ASCII, the letters of Latin-1 Supplement and Latin Extended-A, of
// Greek (accented letters and final sigma included) and of Cyrillic have their case
// mapped, so "Épique" and "épique" are one term and a term shows as "ÉPIQUE", "ΖΕΎΣ" or
// "ЁЛКА". Every mapped pair has two-byte UTF-8 encodings on both sides, so a text keeps
// its byte length, and byte positions in it stay valid, after mapping.
#pragma once

#include <string>
#include <string_view>

namespace deducto {

// A capital sigma at the end of a word (a letter before it, none after it) becomes the
// final form "ς"; anywhere else "σ".
[[nodiscard]] std::string ToLower(std::string_view text);
[[nodiscard]] std::string ToUpper(std::string_view text);

}  // namespace deducto
