// Upper and lower case of term texts and sentences. Besides ASCII the letters of Latin-1
// Supplement and Latin Extended-A have their case mapped, so "Épique" and "épique" are one
// term and a term shows as "ÉPIQUE". Every mapped pair has two-byte UTF-8 encodings on both
// sides, so a text keeps its byte length and byte positions in it stay valid after mapping.
#include "natural/modLangTerms.h"

namespace deducto {

namespace {

// The code point of the two-byte sequence at text[i], when it is one.
std::optional<char32_t> TwoByteAt(std::string_view text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0xC2 || lead > 0xDF || i + 1 >= text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    return static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F));
}

void AppendTwoByte(std::string& out, char32_t c) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// Latin Extended-A alternates upper and lower case: even code points are upper case in
// U+0100-U+0137 and U+014A-U+0177, odd ones in U+0139-U+0148 and U+0179-U+017E.
// U+0130 and U+0131 (dotted and dotless I) map onto ASCII letters, and are left alone so
// that no accented letter turns into a plain one.
bool PairedUpperFirst(char32_t c) {
    return (c >= 0x100 && c <= 0x137 && c != 0x130 && c != 0x131) || (c >= 0x14A && c <= 0x177);
}
bool PairedLowerFirst(char32_t c) {
    return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
}

char32_t LowerOf(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;
    if (PairedUpperFirst(c) && c % 2 == 0) return c + 1;
    if (PairedLowerFirst(c) && c % 2 == 1) return c + 1;
    return c;
}

char32_t UpperOf(char32_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (PairedUpperFirst(c) && c % 2 == 1) return c - 1;
    if (PairedLowerFirst(c) && c % 2 == 0) return c - 1;
    return c;
}

template <typename Map>
std::string MapCase(std::string_view text, char asciiFrom, char asciiTo, Map map) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= asciiFrom && c <= asciiTo) {
            out += static_cast<char>(c ^ 0x20);
        } else if (const auto code = TwoByteAt(text, i)) {
            AppendTwoByte(out, map(*code));
            ++i;
        } else {
            out += c;  // other characters, and bytes that are not UTF-8, pass unchanged
        }
    }
    return out;
}

}  // namespace

std::string ToLower(std::string_view text) { return MapCase(text, 'A', 'Z', LowerOf); }

std::string ToUpper(std::string_view text) { return MapCase(text, 'a', 'z', UpperOf); }

}  // namespace deducto
