#include "file/ArgumentFileText.h"

#include "formula/FormulaText.h"
#include "natural/TermDefinition.h"
#include "natural/modLangTerms.h"
#include "truthtable/modEvaluate.h"

namespace deducto {

namespace {

// The characters a line of the window accepts.
constexpr int kLineLimit = 100;

// The length of the UTF-8 sequence starting at `text[at]`, 0 when none starts there.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned int low = 0x80;   // the bounds of the second byte exclude overlong forms,
    unsigned int high = 0xBF;  // surrogates and code points beyond U+10FFFF
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    }
    return length;
}

// The 1-based line of the first byte that is not UTF-8; 0 when all of it is.
int FirstNonUtf8Line(std::string_view text) {
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) return line;
        if (text[i] == '\n') ++line;
        i += length;
    }
    return 0;
}

std::vector<std::string> HeaderLines(std::string_view content) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
    std::vector<std::string> header;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view trimmed = Trim(line, " \t");
        if (!trimmed.empty() && trimmed.front() != '#') break;
        header.emplace_back(line);
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
    // Blank lines just before the first key separate the header from the argument; the
    // writer puts them back itself.
    while (!header.empty() && Trim(header.back(), " \t").empty()) header.pop_back();
    return header;
}

std::string AtLine(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

}  // namespace

ReadArgumentText ReadArgumentFile(std::string_view content) {
    ReadArgumentText result;
    if (const int line = FirstNonUtf8Line(content); line != 0) {
        result.error = AtLine(line, "not UTF-8 text");
        return result;
    }
    const cli::ReadArgument read = cli::ParseArgumentText(content);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    ArgumentText& argument = result.argument;
    argument.mode = read.argument.mode;
    argument.header = HeaderLines(content);
    argument.terms = read.argument.terms;
    argument.expected = read.argument.expected;
    for (const cli::InputLine& line : read.argument.lines) {
        if (CharacterCount(line.text) > kLineLimit) {
            result.error = AtLine(line.fileLine, "longer than " + std::to_string(kLineLimit) +
                                                     " characters, more than a line holds");
            return result;
        }
        argument.lines[line.index] = line.text;
    }
    return result;
}

std::string WriteArgumentFile(const ArgumentText& argument) {
    std::string out;
    for (const std::string& line : argument.header) out += line + '\n';
    out += std::string("Mode: ") + ModeName(argument.mode) + '\n';
    for (const cli::TermLine& term : argument.terms) {
        out += "Term: " + term.kind + ": " + term.text + '\n';
    }
    if (argument.expected) out += std::string("Expect: ") + VerdictText(*argument.expected) + '\n';
    // Empty premises between filled ones keep their place; those after the last are left out.
    int lastPremise = 0;
    for (int k = 1; k < kLineCount; ++k) {
        if (!argument.lines[k].empty()) lastPremise = k;
    }
    for (int k = 1; k <= lastPremise; ++k) {
        out += argument.lines[k].empty() ? "Premise:\n" : "Premise: " + argument.lines[k] + '\n';
    }
    out += "Conclusion: " + argument.lines[0] + '\n';
    return out;
}

std::vector<cli::TermLine> LexiconTerms(const Lexicon& lexicon) {
    std::vector<cli::TermLine> terms;
    for (const LangTerm& term : lexicon.Terms)
        terms.push_back({KindName(term.Kind), TermLineText(term), 0});
    return terms;
}

}  // namespace deducto
