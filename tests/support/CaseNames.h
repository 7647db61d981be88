// Helpers for naming parameterised test cases after what they read, so that test names stay
// readable and the same from one build to the next.
#pragma once

#include <string>
#include <vector>

namespace deducto::testing {

// The items joined with " | ", for cases that hold a list.
template <typename Item>
std::string Joined(const std::vector<Item>& items) {
    std::string all;
    for (const Item& item : items) {
        if (!all.empty()) all += " | ";
        all += item;
    }
    return all.empty() ? std::string("(none)") : all;
}

}  // namespace deducto::testing
