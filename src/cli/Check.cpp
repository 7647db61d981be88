#include "Check.h"

#include <algorithm>

#include "natural/CheckTermsModel.h"
#include "natural/TermDefinition.h"
#include "truthtable/modEvaluate.h"

namespace deducto::cli {

namespace {

// Stands in for the user: every message is written down, every confirmation answered OK,
// every suggested term kind accepted. Requests to define terms or supply missing forms are
// declined, so a sentence that needs one fails with the translator's own messages.
class RecordingPrompts : public UserPrompts {
public:
    std::vector<std::string> messages;

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    bool Confirm(std::string_view text) override {
        messages.emplace_back(text);
        return true;
    }
    // Agrees with the suggested kind (an adjective when there is none).
    bool ConfirmTermWithUser(CheckTermsModel& dialog) override { return dialog.AcceptSuggestion(); }
    bool EditLanguageTerms(LanguageTermsModel& /*window*/) override { return false; }
};

// Nobody can press "&Cancel" here, so there are no events to let through.
class NoEvents : public EventPump {
public:
    void ProcessPendingEvents() override {}
};

// Reads one line as leaving it in the window would; the session keeps its tokens and table.
void ReadLine(LineReport& report, Session& session, RecordingPrompts& prompts) {
    const std::size_t firstMessage = prompts.messages.size();
    const int k = report.input.index;
    report.formula = TranslateAndParse(report.input.text, k, session);
    if (report.unread()) {
        if (report.formula.text.size() >= kSyntaxErrorLength) prompts.ShowMessage(kSyntaxError);
    } else if (!report.formula.blank) {
        session.lines[k].tokens = report.formula.parse.tokenList;
        LineTable built = BuildLineTable(report.formula.parse.PolishStr, session);
        report.tableStatus = built.status;
        if (built.status.ok()) {
            report.table = built.table;
            session.lines[k].table = std::move(built.table);
        } else {
            prompts.ShowMessage(built.status.message);
        }
    }
    report.messages.assign(prompts.messages.begin() + static_cast<long>(firstMessage),
                           prompts.messages.end());
}

}  // namespace

CheckReport RunCheck(const ArgumentFile& argument, const Options& options) {
    RecordingPrompts prompts;
    NoEvents pump;
    Session session(prompts, pump);
    session.mode = argument.mode;
    session.options = options;

    CheckReport report;
    report.mode = argument.mode;
    // Predefined terms go into the lexicon in file order, before any line is read.
    for (const TermLine& term : argument.terms) {
        const TermDefinition added = DefineTerm(term.kind, term.text, session);
        if (!added.ok()) {
            prompts.ShowMessage("Term on line " + std::to_string(term.fileLine) + ": " +
                                added.error);
        }
    }
    report.termMessages = prompts.messages;
    for (const InputLine& line : argument.lines) report.lines.push_back({line, {}, {}, {}, {}});

    // Premises in slot order, then the conclusion, whatever order the file gives them in.
    std::vector<LineReport*> order;
    for (LineReport& line : report.lines) order.push_back(&line);
    std::stable_sort(order.begin(), order.end(), [](const LineReport* a, const LineReport* b) {
        return (a->input.index == 0 ? kLineCount : a->input.index) <
               (b->input.index == 0 ? kLineCount : b->input.index);
    });
    for (LineReport* line : order) ReadLine(*line, session, prompts);

    const auto any = [&report](auto predicate) {
        return std::any_of(report.lines.begin(), report.lines.end(), predicate);
    };
    if (any([](const LineReport& l) { return l.failed(); })) {
        report.result = RunResult::LineFailed;
    } else if (any([](const LineReport& l) { return l.limited(); })) {
        report.result = RunResult::LimitReached;
    } else if (!session.lines[0].table) {
        // Only text the engine counts as blank gets here: there is nothing to compare with.
        report.result = RunResult::LineFailed;
        report.stopMessage = "The conclusion holds no formula.";
    } else {
        const Evaluation evaluation = EvaluateArgument(session);
        if (evaluation.status.ok()) {
            report.verdict = VerdictText(evaluation.verdict);
            report.evaluation = evaluation;
            if (evaluation.doesNotFollow()) {
                report.details = DescribeFailingCases(*evaluation.comparisonTable, session);
            }
        } else {
            report.result = RunResult::LimitReached;
            report.stopMessage = evaluation.status.outcome == Outcome::Cancelled
                                     ? "Process canceled by user"
                                     : evaluation.status.message;
            prompts.ShowMessage(report.stopMessage);
        }
    }
    report.messages = std::move(prompts.messages);
    report.lexicon = session.lexicon.Terms;
    return report;
}

}  // namespace deducto::cli
