#include "text/Spacing.h"

namespace deducto {

std::string NormaliseSpacing(std::string_view text, bool keepEnds) {
    if (!keepEnds) text = Trim(text);
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        // What is written never holds two spaces in a row, so one space at most goes.
        if (!out.empty() && out.back() == ' ' && (c == ' ' || c == '.' || c == ',')) {
            out.pop_back();
        }
        out += c;
    }
    return out;
}

}  // namespace deducto
