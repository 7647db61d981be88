#include "LineParser.h"

#include <algorithm>

#include "Session.h"
#include "formula/modSetTheory.h"
#include "natural/modNatural.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

void ShowIfAny(Session& session, const std::string& message) {
    if (!message.empty()) session.prompts().ShowMessage(message);
}

}  // namespace

std::string RemoveErrorMarks(std::string_view text) {
    const std::string_view mark = kErrorMark;
    std::string result;
    result.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (text.substr(pos, mark.size()) == mark) {
            pos += mark.size();
        } else {
            result += text[pos++];
        }
    }
    return result;
}

int LineFormula::markPos() const {
    int at = std::clamp(parse.errPos, 0, static_cast<int>(text.size()));
    // The readers stop on a byte; a symbol they cannot read is marked after its last byte.
    while (at < static_cast<int>(text.size()) &&
           (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
        ++at;
    }
    return at;
}

std::string LineFormula::MarkedText() const {
    std::string marked = text;
    marked.insert(static_cast<size_t>(markPos()), kErrorMark);
    return marked;
}

LineFormula TranslateAndParse(std::string_view text, int line, Session& session) {
    LineFormula result;
    result.text = RemoveErrorMarks(text);
    if (IsBlank(result.text)) {
        result.blank = true;
        return result;
    }
    session.entriesMade = true;

    switch (session.mode) {
        case Mode::SetTheory: {
            const SetTranslation translation = TranslateSetTheory(result.text);
            if (!translation.ok()) {
                result.parse.errPos = translation.errPos;
                result.parse.parseErrMsg = translation.setErrMsg;
                result.parse.limitReached = translation.limitReached;
                ShowIfAny(session, translation.setErrMsg);
                return result;
            }
            result.formulaText = translation.text;
            result.parse = BuildPolish(result.formulaText, session.mode);
            result.parse.tokenList = translation.setDisplayTokens;
            break;
        }
        case Mode::Natural: {
            const Translation translation = TranslateSentence(result.text, line, session);
            // The line shows the sentence as the translator normalised it; error positions
            // count in that text.
            if (!translation.sentence.empty()) result.text = translation.sentence;
            if (translation.text.empty()) {
                result.parse.errPos = translation.errPos;
                return result;
            }
            result.formulaText = translation.text;
            result.parse = BuildPolish(result.formulaText, session.mode);
            break;
        }
        case Mode::Propositional:
        case Mode::Predicate:
            result.formulaText = result.text;
            result.parse = BuildPolish(result.formulaText, session.mode);
            break;
    }
    ShowIfAny(session, result.parse.parseErrMsg);
    result.parse.PolishStr = RemoveDoubleNegations(result.parse.PolishStr);
    return result;
}

LineTable BuildLineTable(std::string_view PolishStr, Session& session) {
    LineTable result;
    auto table = std::make_shared<clsTruthTable>(session.mode);
    result.status = table->generateFromPolish(PolishStr, session.computation);
    if (!result.status.ok()) return result;
    if (session.CheckCancel()) {
        result.status = Status::Cancelled();
        return result;
    }
    if (session.options.eliminateUnneeded) {
        result.status = table->Simplify(session.computation);
        if (!result.status.ok()) return result;
        if (session.CheckCancel()) {
            result.status = Status::Cancelled();
            return result;
        }
    }
    result.table = std::move(table);
    return result;
}

}  // namespace deducto
