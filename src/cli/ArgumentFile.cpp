#include "ArgumentFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "Grade.h"
#include "formula/FormulaText.h"
#include "formula/SymbolInput.h"

namespace deducto::cli {

namespace {

// Blanks around keys and values: a file may come with tabs and Windows line ends.
std::string_view TrimBlanks(std::string_view s) { return Trim(s, " \t\r"); }

}  // namespace

std::string Normalised(std::string_view s) {
    std::string out;
    for (const char c : TrimBlanks(s)) {
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += AsciiLower(c);
        }
    }
    return out;
}

namespace {

std::optional<Mode> ModeNamed(const std::string& name) {
    for (const Mode mode : kModes) {
        if (name == ModeName(mode)) return mode;
    }
    return std::nullopt;
}

bool IsTermKind(const std::string& kind) {
    return kind == "adjective" || kind == "specific noun" || kind == "class noun" ||
           kind == "predicate";
}

std::string AtLine(int fileLine, const std::string& what) {
    return "line " + std::to_string(fileLine) + ": " + what;
}

}  // namespace

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    }
    if (text.size() > kShown) out += "...";
    return out + "\"";
}

ReadArgument ParseArgumentText(std::string_view content) {
    ReadArgument result;
    ArgumentFile& argument = result.argument;
    const auto fail = [&result](std::string message) {
        result.error = std::move(message);
        return result;
    };

    if (content.find('\0') != std::string_view::npos) {
        return fail("the input is not a text file (it holds NUL bytes)");
    }
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);

    bool modeSeen = false;
    bool conclusionSeen = false;
    int premises = 0;
    int modeLine = 0;
    int fileLine = 0;
    while (!content.empty()) {
        ++fileLine;
        const std::size_t end = content.find('\n');
        const std::string_view raw = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (raw.size() > kMaxLineBytes) {
            return fail(
                AtLine(fileLine, "longer than " + std::to_string(kMaxLineBytes) + " characters"));
        }
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == '#') continue;

        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            return fail(AtLine(fileLine, "expected \"Key: value\", found " + Quoted(line)));
        }
        const std::string key = Normalised(line.substr(0, colon));
        const std::string_view value = TrimBlanks(line.substr(colon + 1));

        if (key == "mode") {
            if (modeSeen) return fail(AtLine(fileLine, "the mode is given twice"));
            const std::optional<Mode> mode = ModeNamed(Normalised(value));
            if (!mode) {
                return fail(AtLine(fileLine, "unknown mode " + Quoted(value) +
                                                 " (expected propositional, predicate, set "
                                                 "theory or natural language)"));
            }
            argument.mode = *mode;
            modeSeen = true;
            modeLine = fileLine;
        } else if (key == "premise") {
            if (++premises > kMaxPremises) {
                return fail(
                    AtLine(fileLine, "more than " + std::to_string(kMaxPremises) + " premises"));
            }
            argument.lines.push_back({premises, std::string(value), fileLine});
        } else if (key == "conclusion") {
            if (conclusionSeen) return fail(AtLine(fileLine, "a second conclusion"));
            if (value.empty()) return fail(AtLine(fileLine, "the conclusion is empty"));
            argument.lines.push_back({0, std::string(value), fileLine});
            conclusionSeen = true;
        } else if (key == "term") {
            const std::size_t kindEnd = value.find(':');
            const std::string kind =
                Normalised(value.substr(0, kindEnd == std::string_view::npos ? 0 : kindEnd));
            if (kindEnd == std::string_view::npos || !IsTermKind(kind)) {
                return fail(AtLine(fileLine,
                                   "expected \"Term: <kind>: <text>\" with the kind adjective, "
                                   "specific noun, class noun or predicate"));
            }
            const std::string_view text = TrimBlanks(value.substr(kindEnd + 1));
            if (text.empty()) return fail(AtLine(fileLine, "the term has no text"));
            argument.terms.push_back({kind, std::string(text), fileLine});
        } else if (key == "expect") {
            if (argument.expected) return fail(AtLine(fileLine, "a second Expect line"));
            argument.expected = VerdictNamed(value);
            if (!argument.expected) {
                return fail(AtLine(fileLine, "unknown verdict " + Quoted(value) + " (expected " +
                                                 kVerdictNames + " or a verdict's full text)"));
            }
        } else {
            return fail(AtLine(fileLine, "unknown key " + Quoted(line.substr(0, colon)) +
                                             " (expected Mode, Premise, Conclusion, Term or "
                                             "Expect)"));
        }
    }

    if (!conclusionSeen) return fail("no Conclusion line: there is nothing to test");
    // The mode may come last, so symbols are read as keywords once the whole file is known.
    for (InputLine& line : argument.lines) {
        line.text = std::string(Trim(ReplaceSymbols(line.text, argument.mode).text));
    }
    if (!argument.terms.empty() && argument.mode != Mode::Natural) {
        return fail(AtLine(
            argument.terms.front().fileLine,
            "Term lines belong to natural language mode" +
                std::string(modeSeen ? " (the mode is set on line " + std::to_string(modeLine) + ")"
                                     : "")));
    }
    return result;
}

InputText ReadInput(const std::string& path) {
    InputText result;
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : path;
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        result.error = "cannot open " + name + ": " + std::strerror(errno);
        return result;
    }
    // Read in small pieces, so that a small file costs a small buffer; one byte more than
    // allowed tells a file at the limit from one beyond it.
    std::string& text = result.text;
    char piece[16384];
    while (text.size() <= kMaxInputBytes) {
        const std::size_t n = std::fread(piece, 1, sizeof piece, file);
        if (n == 0) break;
        text.append(piece, n);
    }
    const std::size_t got = text.size();
    const bool readError = std::ferror(file) != 0;
    const int readErrno = errno;
    if (!standardInput) std::fclose(file);
    if (readError) {
        result.error = "cannot read " + name + ": " + std::strerror(readErrno);
    } else if (got > kMaxInputBytes) {
        result.error = name + " is larger than " + std::to_string(kMaxInputBytes / 1024) +
                       " KiB: not an argument file";
    }
    return result;
}

}  // namespace deducto::cli
