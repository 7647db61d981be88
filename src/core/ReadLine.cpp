#include "ReadLine.h"

#include <algorithm>

#include "Session.h"
#include "formula/modSetTheory.h"
#include "natural/modNatural.h"
#include "text/Spacing.h"
#include "text/Utf8.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

void ShowIfAny(UserPrompts& prompts, const std::string& message) {
    if (!message.empty()) prompts.ShowMessage(message);
}

// Translates `text` for the session's mode and parses the result. Messages of the parser
// and the translators are shown as they arise. In natural language `text` becomes the
// sentence as the translator normalised it, which is what the line then shows.
void TranslateAndParse(LineOutcome& out, int line, ReadKind kind, Session& session) {
    switch (session.mode) {
        case Mode::SetTheory: {
            const SetTranslation translation = TranslateSetTheory(out.text);
            if (!translation.ok()) {
                out.parse.errPos = translation.errPos;
                out.parse.parseErrMsg = translation.setErrMsg;
                out.parse.limitReached = translation.limitReached;
                ShowIfAny(session.prompts(), translation.setErrMsg);
                return;
            }
            out.formulaText = translation.text;
            out.parse = BuildPolish(out.formulaText, session.mode);
            out.parse.tokenList = translation.setDisplayTokens;
            break;
        }
        case Mode::Natural: {
            const TranslationFlags flags{session.exampleLoading, session.ReparseAll};
            const Translation translation = TranslateSentence(out.text, line, session, flags);
            if (!translation.sentence.empty()) out.text = translation.sentence;
            if (!translation.ok()) {
                out.parse.errPos = translation.errPos;
                out.message = translation.declinedRequest;
                return;
            }
            out.formulaText = translation.text;
            out.parse = BuildPolish(out.formulaText, session.mode);
            // The translator writes only what the parser reads: a rejection is our fault.
            if (kind == ReadKind::Reparse && !out.parse.ok()) return;
            break;
        }
        case Mode::Propositional:
        case Mode::Predicate:
            out.formulaText = out.text;
            out.parse = BuildPolish(out.formulaText, session.mode);
            break;
    }
    ShowIfAny(session.prompts(), out.parse.parseErrMsg);
    out.parse.PolishStr = RemoveDoubleNegations(out.parse.PolishStr);
}

// Inserts the error mark where reading stopped: never past the end of the text, and never
// inside a character (readers stop just after a byte; a character may have several).
void MarkFailure(LineOutcome& out, int at, UserPrompts& prompts) {
    if (CharacterCount(out.text) >= kLongLine) prompts.ShowMessage(kSyntaxError);
    const auto pos = static_cast<size_t>(std::clamp(at, 0, static_cast<int>(out.text.size())));
    out.markPos = static_cast<int>(CharacterStart(out.text, pos));
    out.text.insert(static_cast<size_t>(out.markPos), kErrorMark);
    out.marked = true;
}

LineResult ResultOf(Outcome outcome) {
    switch (outcome) {
        case Outcome::Done:
            return LineResult::Built;
        case Outcome::Cancelled:
            return LineResult::Cancelled;
        case Outcome::LimitReached:
            return LineResult::LimitReached;
        case Outcome::InternalError:
            return LineResult::InternalError;
    }
    return LineResult::InternalError;
}

}  // namespace

int LineOutcome::markCharacter() const {
    return CharacterCount(std::string_view(text).substr(0, static_cast<size_t>(markPos)));
}

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

LineTable BuildLineTable(std::string_view PolishStr, Mode mode, const Options& options,
                         Computation& computation) {
    LineTable result;
    auto table = std::make_shared<clsTruthTable>(mode);
    result.status = table->generateFromPolish(PolishStr, computation);
    if (result.status.ok() && computation.CheckCancel()) result.status = Status::Cancelled();
    if (result.status.ok() && options.eliminateUnneeded) {
        result.status = table->Simplify(computation);
        if (result.status.ok() && computation.CheckCancel()) result.status = Status::Cancelled();
    }
    if (result.status.ok()) result.table = std::move(table);
    return result;
}

LineOutcome ReadLine(std::string_view typed, int line, ReadKind kind, Session& session,
                     const TableBuildHooks& hooks) {
    ArgumentLine& slot = session.lines[static_cast<size_t>(line)];
    LineOutcome out;
    out.text = RemoveErrorMarks(typed);
    if (kind == ReadKind::Edit) {
        slot.changed = false;
        slot.table.reset();
    }
    if (Trim(out.text).empty()) {
        out.result = LineResult::Blank;
        return out;
    }
    if (kind == ReadKind::Edit) session.entriesMade = true;

    TranslateAndParse(out, line, kind, session);
    if (out.formulaText.empty() && session.mode == Mode::Natural) slot.tokens.clear();
    if (out.formulaText.empty() || (kind == ReadKind::Edit && !out.parse.ok())) {
        // The old table answers to an old formula: nothing of it may survive a failure.
        slot.table.reset();
        out.result = out.parse.limitReached ? LineResult::LimitReached : LineResult::SyntaxError;
        if (out.parse.limitReached) out.message = out.parse.parseErrMsg;
        MarkFailure(out, out.parse.errPos, session.prompts());
        return out;
    }
    if (kind == ReadKind::Reparse) {
        // Unchanged, and its table still there (a cancelled build keeps the formula but
        // not the table): nothing to rebuild.
        if (out.formulaText == slot.tokens && slot.table) {
            out.result = LineResult::Unchanged;
            return out;
        }
        slot.table.reset();
        if (!out.parse.ok()) {
            session.prompts().ShowMessage(kImpossibleError);
            slot.tokens.clear();
            out.result = LineResult::InternalError;
            out.message = kImpossibleError;
            MarkFailure(out, static_cast<int>(out.text.size()), session.prompts());
            return out;
        }
    }

    if (hooks.starting) hooks.starting();
    slot.tokens = out.parse.tokenList;
    slot.PolishStr = out.parse.PolishStr;
    LineTable built =
        BuildLineTable(out.parse.PolishStr, session.mode, session.options, session.computation);
    slot.table = std::move(built.table);
    const Status& status = built.status;
    out.result = ResultOf(status.outcome);
    if (status.outcome == Outcome::LimitReached || status.outcome == Outcome::InternalError) {
        out.message = status.message;
        if (hooks.stopping) hooks.stopping();
        session.prompts().ShowMessage(status.message);
    }
    return out;
}

}  // namespace deducto
