// Reading an argument file: the text checked as a whole (UTF-8, no NUL), then line by line,
// each key's value read by a handler of its own, and the argument checked once it is known.
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "file/ArgumentFile.h"
#include "formula/FormulaText.h"
#include "formula/SymbolInput.h"
#include "natural/modLangTerms.h"
#include "text/Utf8.h"

namespace deducto {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Blanks around keys and values: a file may come with tabs and Windows line ends.
std::string_view TrimBlanks(std::string_view s) { return Trim(s, " \t\r"); }

// `names` as a message lists them: "a, b, c" and then `last` before the final one.
template <typename Names, typename NameOf>
std::string Listed(const Names& names, NameOf nameOf, const char* last) {
    std::string list;
    const std::size_t count = std::size(names);
    std::size_t i = 0;
    for (const auto& name : names) {
        if (i > 0) list += i + 1 == count ? last : ", ";
        list += nameOf(name);
        ++i;
    }
    return list;
}

// The 1-based line of the first byte that is not UTF-8; 0 when all of it is.
int FirstNonUtf8Line(std::string_view text) {
    const std::optional<std::size_t> bad = FirstInvalidUtf8(text);
    if (!bad) return 0;
    return 1 + static_cast<int>(std::count(text.begin(),
                                           text.begin() + static_cast<std::ptrdiff_t>(*bad), '\n'));
}

// Whether a line belongs to the header: blank, or a comment.
bool IsHeaderLine(std::string_view line) {
    const std::string_view trimmed = Trim(line, " \t");
    return trimmed.empty() || trimmed.front() == '#';
}

std::optional<Mode> ModeNamed(const std::string& name) {
    for (const Mode mode : kModes) {
        if (name == ModeName(mode)) return mode;
    }
    return std::nullopt;
}

// One file's reading: what the lines read so far have set. Each key's handler reads its
// value and returns why the line is refused, or nothing.
class Reader {
public:
    Reader(ArgumentFile& argument, ConclusionNeed need) : argument_(argument), need_(need) {}

    // Reads one line of the file, without its "\n"; the message when it is refused.
    std::string ReadFileLine(std::string_view raw, int fileLine);
    // What can only be judged once every line is read.
    std::string Finish();

    std::string ReadMode(std::string_view value, int fileLine);
    std::string ReadPremise(std::string_view value, int fileLine);
    std::string ReadConclusion(std::string_view value, int fileLine);
    std::string ReadTerm(std::string_view value, int fileLine);
    std::string ReadExpect(std::string_view value, int fileLine);

private:
    std::string ReadKeyLine(std::string_view line, int fileLine);

    ArgumentFile& argument_;
    ConclusionNeed need_;
    bool inHeader_ = true;
    int modeLine_ = 0;  // the Mode line; 0 while there is none
    int premises_ = 0;
    bool conclusionSeen_ = false;
};

struct Key {
    const char* name;  // as Normalised gives it
    std::string (Reader::*read)(std::string_view value, int fileLine);
};
constexpr Key kKeys[] = {{"mode", &Reader::ReadMode},
                         {"premise", &Reader::ReadPremise},
                         {"conclusion", &Reader::ReadConclusion},
                         {"term", &Reader::ReadTerm},
                         {"expect", &Reader::ReadExpect}};

std::string Reader::ReadMode(std::string_view value, int fileLine) {
    if (modeLine_ != 0) return "the mode is given twice";
    const std::optional<Mode> mode = ModeNamed(Normalised(value));
    if (!mode) {
        return "unknown mode " + Quoted(value) + " (expected " + Listed(kModes, ModeName, " or ") +
               ")";
    }
    argument_.mode = *mode;
    modeLine_ = fileLine;
    return {};
}

std::string Reader::ReadPremise(std::string_view value, int fileLine) {
    if (++premises_ > kMaxPremises) {
        return "more than " + std::to_string(kMaxPremises) + " premises";
    }
    argument_.lines.push_back({premises_, std::string(value), fileLine});
    return {};
}

std::string Reader::ReadConclusion(std::string_view value, int fileLine) {
    if (conclusionSeen_) return "a second conclusion";
    if (value.empty()) return "the conclusion is empty";
    argument_.lines.push_back({0, std::string(value), fileLine});
    conclusionSeen_ = true;
    return {};
}

std::string Reader::ReadTerm(std::string_view value, int fileLine) {
    const std::size_t kindEnd = value.find(':');
    const std::string kind =
        kindEnd == std::string_view::npos ? std::string() : Normalised(value.substr(0, kindEnd));
    if (!KindFromName(kind)) {
        return "expected \"Term: <kind>: <text>\" with the kind " + KindNameList();
    }
    const std::string_view text = TrimBlanks(value.substr(kindEnd + 1));
    if (text.empty()) return "the term has no text";
    argument_.terms.push_back({kind, std::string(text), fileLine});
    return {};
}

std::string Reader::ReadExpect(std::string_view value, int /*fileLine*/) {
    if (argument_.expected) return "a second Expect line";
    argument_.expected = VerdictNamed(value);
    if (!argument_.expected) {
        const auto quotedName = [](Verdict verdict) {
            return "\"" + std::string(VerdictShortName(verdict)) + "\"";
        };
        return "unknown verdict " + Quoted(value) + " (expected " +
               Listed(kVerdicts, quotedName, ", ") + " or a verdict's full text)";
    }
    return {};
}

std::string Reader::ReadKeyLine(std::string_view line, int fileLine) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return "expected \"Key: value\", found " + Quoted(line);
    const std::string key = Normalised(line.substr(0, colon));
    for (const Key& known : kKeys) {
        if (key == known.name) {
            return (this->*known.read)(TrimBlanks(line.substr(colon + 1)), fileLine);
        }
    }
    return "unknown key " + Quoted(line.substr(0, colon)) +
           " (expected Mode, Premise, Conclusion, Term or Expect)";
}

std::string Reader::ReadFileLine(std::string_view raw, int fileLine) {
    const std::string_view unended = raw.ends_with('\r') ? raw.substr(0, raw.size() - 1) : raw;
    if (CharacterCount(unended) > static_cast<int>(kMaxFileLineCharacters)) {
        return AtLine(fileLine,
                      "longer than " + std::to_string(kMaxFileLineCharacters) + " characters");
    }
    inHeader_ = inHeader_ && IsHeaderLine(unended);
    if (inHeader_) argument_.header.emplace_back(unended);

    const std::string_view line = TrimBlanks(raw);
    if (line.empty() || line.front() == '#') return {};
    const std::string why = ReadKeyLine(line, fileLine);
    return why.empty() ? why : AtLine(fileLine, why);
}

std::string Reader::Finish() {
    // Blank lines just before the first key only set the header apart; the writer puts
    // them back itself.
    std::vector<std::string>& header = argument_.header;
    while (!header.empty() && Trim(header.back(), " \t").empty()) header.pop_back();

    if (!conclusionSeen_ && need_ == ConclusionNeed::Required)
        return "no Conclusion line: there is nothing to test";
    // The mode may come last, so symbols are read as keywords once the whole file is known.
    for (InputLine& line : argument_.lines) {
        line.text = std::string(Trim(ReplaceSymbols(line.text, argument_.mode).text));
    }
    if (!argument_.terms.empty() && argument_.mode != Mode::Natural) {
        const std::string modeSet =
            modeLine_ != 0 ? " (the mode is set on line " + std::to_string(modeLine_) + ")" : "";
        return AtLine(argument_.terms.front().fileLine,
                      "Term lines belong to natural language mode" + modeSet);
    }
    return {};
}

// Why `content` cannot be an argument file's text at all; empty when it can.
std::string TextProblem(std::string_view content) {
    if (const int line = FirstNonUtf8Line(content); line != 0) {
        return AtLine(line, "not UTF-8 text");
    }
    if (content.find('\0') != std::string_view::npos) {
        return "the input is not a text file (it holds NUL bytes)";
    }
    return {};
}

}  // namespace

std::string AtLine(int fileLine, std::string_view what) {
    return "line " + std::to_string(fileLine) + ": " + std::string(what);
}

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

std::optional<Verdict> VerdictNamed(std::string_view text) {
    // Compared without regard to case, spacing or a final period.
    const auto comparable = [](std::string_view written) {
        std::string out = Normalised(written);
        while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
        return out;
    };
    const std::string wanted = comparable(text);
    for (const Verdict verdict : kVerdicts) {
        if (wanted == VerdictShortName(verdict) || wanted == comparable(VerdictText(verdict))) {
            return verdict;
        }
    }
    return std::nullopt;
}

ReadArgument ParseArgumentText(std::string_view content, ConclusionNeed need) {
    ReadArgument result;
    result.error = TextProblem(content);
    if (!result.ok()) return result;
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());

    Reader reader(result.argument, need);
    for (int fileLine = 1; !content.empty() && result.ok(); ++fileLine) {
        const std::size_t end = content.find('\n');
        result.error = reader.ReadFileLine(content.substr(0, end), fileLine);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
    if (result.ok()) result.error = reader.Finish();
    return result;
}

ReadArgumentText ReadArgumentFile(std::string_view content) {
    ReadArgumentText result;
    const ReadArgument read = ParseArgumentText(content, ConclusionNeed::Optional);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    ArgumentText& argument = result.argument;
    argument.mode = read.argument.mode;
    argument.header = read.argument.header;
    argument.terms = read.argument.terms;
    argument.expected = read.argument.expected;
    for (const InputLine& line : read.argument.lines) {
        if (CharacterCount(line.text) > kMaxLineCharacters) {
            result.error =
                AtLine(line.fileLine, "longer than " + std::to_string(kMaxLineCharacters) +
                                          " characters, more than a line holds");
            return result;
        }
        argument.lines[line.index] = line.text;
    }
    return result;
}

}  // namespace deducto
