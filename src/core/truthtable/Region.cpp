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
