#include "truthtable/Region.h"

namespace deducto {

std::string RegionString(Region r) {
    std::string text;
    text.reserve(2 * r.pairCount());
    ForEachPair(r, [&](char sign, char letter) {
        text += sign;
        text += letter;
    });
    return text;
}

std::optional<Region> ParseRegion(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    Region r;
    for (size_t i = 0; i < text.size(); i += 2) {
        const char sign = text[i];
        const char letter = text[i + 1];
        if ((sign != '+' && sign != '-') || letter < 'A' || letter > 'Z') return std::nullopt;
        (sign == '+' ? r.pos : r.neg) |= LetterBit(letter);
    }
    return r;
}

std::string RegionLabel(Region r) {
    std::string label;
    bool first = true;
    ForEachPair(r, [&](char sign, char letter) {
        if (!first) label += '&';
        first = false;
        label += letter;
        if (sign == '-') label += '\'';
    });
    return label;
}

}  // namespace deducto
