#include "text/Utf8.h"

#include <cassert>

namespace deducto {

Utf8Character DecodeUtf8(std::string_view text, std::size_t at) {
    if (at >= text.size()) return {};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    // The bounds of the second byte rule out overlong forms, surrogates and code points
    // beyond U+10FFFF, so that nothing needs checking once the sequence is read.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};  // a continuation byte, C0, C1 or F5 to FF
    }
    if (text.size() - at < length) return {};
    if (byte(1) < low || byte(1) > high) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuationByte(static_cast<char>(byte(i)))) return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return {code, length};
}

std::optional<std::size_t> FirstInvalidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        // ASCII, most of any text, needs no decoding.
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const Utf8Character c = DecodeUtf8(text, at);
        if (!c.ok()) return at;
        at += c.length;
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code) {
    assert(code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF));
    const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

}  // namespace deducto
