#include "FileCaption.h"

namespace deducto::cli {

namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// The characters that could start emphasis, code, a link, an HTML tag, an entity, a heading
// mark or a table cell; the rest of ASCII punctuation reads as itself in a heading.
bool IsMarkdownSpecial(char c) {
    return std::string_view("\\`*_[]<>#|~!&").find(c) != std::string_view::npos;
}

}  // namespace

std::string FileCaption(std::string_view name, TableFormat format) {
    std::string shown;
    for (const char c : name) {
        if (IsControl(static_cast<unsigned char>(c))) {
            shown += '?';
        } else {
            if (format == TableFormat::Markdown && IsMarkdownSpecial(c)) shown += '\\';
            shown += c;
        }
    }
    if (format != TableFormat::Csv) return shown;
    const std::string field = "# File: " + shown;
    if (field.find_first_of(",\"") == std::string::npos && field.back() != ' ') return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace deducto::cli
