// UTF-8 as the whole program reads it: where characters start, how many a text holds, and
// whether bytes are well-formed UTF-8 at all. Texts are kept as UTF-8 bytes everywhere; a
// position or a length the user sees counts characters (code points), never bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace deducto {

// Whether a byte of UTF-8 text continues a character begun before it.
[[nodiscard]] constexpr bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The number of characters of UTF-8 text: every byte that does not continue a character
// starts one, so a malformed byte counts as a character of its own.
[[nodiscard]] constexpr int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) {
        if (!IsContinuationByte(c)) ++count;
    }
    return count;
}

// The first byte offset from `at` on that starts a character (text.size() when none does):
// a byte offset moved forward out of the middle of a character.
[[nodiscard]] constexpr std::size_t CharacterStart(std::string_view text, std::size_t at) {
    while (at < text.size() && IsContinuationByte(text[at])) ++at;
    return at < text.size() ? at : text.size();
}

struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;  // bytes it takes; 0 when no well-formed character starts there
    [[nodiscard]] bool ok() const { return length != 0; }
};

// The character whose encoding starts at byte `at` of `text`. Strict: a stray continuation
// byte, a sequence cut short, an overlong form, a surrogate and a code point beyond U+10FFFF
// are all malformed, so a text that decodes is one that every other reader of UTF-8 accepts.
[[nodiscard]] Utf8Character DecodeUtf8(std::string_view text, std::size_t at = 0);

// The byte offset of the first byte that is not part of a well-formed character; nullopt
// when the whole text is UTF-8.
[[nodiscard]] std::optional<std::size_t> FirstInvalidUtf8(std::string_view text);

// Appends the encoding of the code point `code` (not a surrogate, at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

}  // namespace deducto
