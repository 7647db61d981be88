#include "UsageText.h"

namespace deducto {

// Greedy word wrap of `text` into lines of at most `width` columns after `indent`.
std::string Wrapped(std::string_view text, std::size_t indent, std::size_t width,
                    std::size_t firstUsed) {
    std::string out;
    std::size_t used = firstUsed;
    bool lineEmpty = true;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
        if (!lineEmpty && used + 1 + word.size() > width) {
            out += '\n' + std::string(indent, ' ');
            used = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++used;
        }
        out += word;
        used += word.size();
        lineEmpty = false;
    }
    return out + '\n';
}

// Text as roff: backslashes and hyphens escaped, a leading period or quote defused.
std::string Roff(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
}

std::string ManPageStart(const ManPageHead& head, std::string_view version) {
    std::string title(head.program);
    for (char& c : title) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    std::string out =
        ".TH " + title + " 1 \"\" \"Deducto " + std::string(version) + "\" \"User Commands\"\n";
    out += ".SH NAME\n" + Roff(head.program) + " \\- " + Roff(head.summary) + '\n';
    out += ".SH SYNOPSIS\n.B " + Roff(head.program) + '\n' + Roff(head.synopsis) + '\n';
    out += ".SH DESCRIPTION\n";
    for (const char* paragraph : head.description) out += ".PP\n" + Roff(paragraph) + '\n';
    out += ".PP\n.nf\n.RS\n";
    for (const char* line : head.block) out += Roff(line) + '\n';
    out += ".RE\n.fi\n";
    return out;
}

}  // namespace deducto
