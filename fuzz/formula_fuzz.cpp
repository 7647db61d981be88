// Feeds arbitrary bytes to the formula parser in every mode and to the set-theory translator,
// and checks what must hold of any result: the error mark lies inside the text, a failure has
// no Polish string, and a Polish string reads as one well-formed postfix formula.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "formula/modBuildPolish.h"
#include "formula/modSetTheory.h"

namespace {

using namespace deducto;

// Counts operands on a stack the way the truth-table reader does: every operator must find
// its operands and exactly one formula must remain.
void CheckPolish(std::string_view polish, Mode mode) {
    FUZZ_CHECK(!polish.empty());
    int depth = 0;
    size_t pos = 0;
    while (pos < polish.size()) {
        const int length = PolishTokenLength(polish, pos, mode);
        FUZZ_CHECK(length == 1 || length == 2);
        const std::string_view token = polish.substr(pos, static_cast<size_t>(length));
        switch (TokenClass(token, mode)) {
            case TokenKind::Operand:
                ++depth;
                break;
            case TokenKind::Unary:
                FUZZ_CHECK(depth >= 1);
                break;
            case TokenKind::Binary:
                FUZZ_CHECK(depth >= 2);
                --depth;
                break;
            default:
                FUZZ_CHECK(!"a Polish string holds operands and operators only");
        }
        pos += static_cast<size_t>(length);
    }
    FUZZ_CHECK(depth == 1);
}

void CheckParse(std::string_view text, Mode mode) {
    const ParseResult r = BuildPolish(text, mode);
    FUZZ_CHECK(r.errPos >= 0 && static_cast<size_t>(r.errPos) <= text.size());
    if (r.ok()) {
        FUZZ_CHECK(r.parseErrMsg.empty());
        FUZZ_CHECK(!r.tokenList.empty());
        CheckPolish(r.PolishStr, mode);
        const std::string normalised = RemoveDoubleNegations(r.PolishStr);
        FUZZ_CHECK(normalised.find("33") == std::string::npos);
        CheckPolish(normalised, mode);
    }
}

void CheckSetTheory(std::string_view line) {
    const SetTranslation t = TranslateSetTheory(line);
    FUZZ_CHECK(t.errPos >= 0 && static_cast<size_t>(t.errPos) <= line.size());
    if (!t.ok()) return;
    FUZZ_CHECK(t.setErrMsg.empty());
    for (const char c : t.setDisplayTokens) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        FUZZ_CHECK(letter ||
                   std::string_view("()0.-+'@<=1234567").find(c) != std::string_view::npos);
    }
    CheckParse(t.text, Mode::SetTheory);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Mode mode : {Mode::Propositional, Mode::Predicate, Mode::SetTheory, Mode::Natural}) {
        CheckParse(text, mode);
    }
    CheckSetTheory(text);
    return 0;
}
