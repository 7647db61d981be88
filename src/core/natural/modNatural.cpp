// TranslateSentence and its retry loop: a failed attempt that added terms to the lexicon is
// tried again quietly, and an attempt that failed for want of terms asks the user to define
// them first.
#include "natural/modNatural.h"

#include "Session.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

namespace {

// Deletes every occurrence of `piece`, left to right.
std::string DeleteAll(std::string text, std::string_view piece) {
    size_t pos = 0;
    while ((pos = text.find(piece, pos)) != std::string::npos) text.erase(pos, piece.size());
    return text;
}

}  // namespace

const char* SentenceTypeName(SentenceType type) {
    static constexpr const char* kNames[] = {
        "",
        "typeC",
        "typeCandC",
        "typeCandCandC",
        "typeCorC",
        "typeCorCorC",
        "typeCiffC",
        "typeCimpC",
        "typeCandCimpC",
        "typeCorCimpC",
        "typeCimpCorC",
        "typeCandCimpCorC",
        "typeCorCimpCorC",
        "typeSCandSPC",
        "typeSCorSPC",
        "typeISCandSPC",
        "typeSCimpSPC",
        "typeISCimpSPC",
        "typePCimpPPC",
        "typeSCimpSPCorSPC",
        "typeISCimpSPCorSPC",
        "typePCimpPPCorPPC",
        "typeISCiffSPC",
        "typeSCiffSPC",
        "typePCiffPPC",
    };
    return kNames[static_cast<int>(type)];
}

const char* ClauseKindName(ClauseKind kind) {
    static constexpr const char* kNames[] = {
        "",          "clauseSS",  "clausePP",   "clauseIS",   "clauseUS",
        "clauseES",  "clauseEP",  "clauseESR",  "clauseEPR",  "clauseEIR",
        "clauseNES", "clauseNEP", "clauseNESR", "clauseNEPR", "clauseNEIR",
    };
    return kNames[static_cast<int>(kind)];
}

NaturalTranslator::NaturalTranslator(Session& session, int line, TranslationFlags flags)
    : nat(session.prompts(), line),
      session_(session),
      lexicon_(session.lexicon),
      line_(line),
      flags_(flags) {}

Translation TranslateSentence(std::string_view sentence, int line, Session& session,
                              TranslationFlags flags) {
    NaturalTranslator translator(session, line, flags);
    return translator.Translate(sentence);
}

Translation NaturalTranslator::Translate(std::string_view sentence) {
    Translation out;
    SetSentence(sentence);
    out.sentence = SentenceText;
    std::string parseErrMsg;
    std::string result;
    nat.NatError = false;
    nat.QuietMessages = false;
    int termsBefore = lexicon_.TermCount();

    const auto fail = [&](int errPos) {
        out.errPos = errPos;
        out.declinedRequest = declinedRequest;
        if (!parseErrMsg.empty()) session_.prompts().ShowMessage(parseErrMsg);
        out.text.clear();
        return out;
    };

    for (int attempt = 0;; ++attempt) {
        if (attempt > 0 && nat.NatError) {
            // A failure is final unless the attempt taught the lexicon something new; the
            // retry then runs quietly and offers no definitions window.
            if (userCancelled || lexicon_.TermCount() <= termsBefore) return fail(ScanPos);
            nat.QuietMessages = true;
        }
        if (attempt == kMaxAttempts) {
            parseErrMsg = kTooManyAttempts;
            return fail(ScanPos);
        }
        result.clear();
        nat.NatError = false;
        nat.TermProblem = false;
        session_.lineReparse[line_] = 'N';
        Notes.clear();

        ScanSentence();
        if (nat.NatError) return fail(ScanPos - 1);
        int n = WordCount();
        if (n > 0 && Word(n) == ".") --n;
        termsBefore = lexicon_.TermCount();
        if (n < 1) return out;

        sentenceType = ClassifySentence(n);
        if (!nat.NatError) result = TranslateByType(sentenceType);
        if (nat.NatError) {
            if (nat.TermProblem && !nat.QuietMessages && !userCancelled &&
                RequestTermDefinitions(n)) {
                nat.NatError = false;  // the user defined terms: try again, loud
                nat.QuietMessages = false;
                continue;
            }
            nat.TermProblem = false;
            continue;
        }
        if (RequestMissingForms(session_)) {
            parseErrMsg = "Unresolved terms";
            nat.NatError = true;
            return fail(ScanPos);
        }
        // A term window may have changed terms this line uses: then translate it again.
        if (session_.lineReparse[line_] == 'N') break;
    }

    for (const std::string& note : Notes) session_.prompts().ShowMessage(note);
    out.text = DeleteAll(DeleteAll(result, "~~"), "~not");
    out.errPos = 0;
    return out;
}

}  // namespace deducto
