#include "RunCheck.h"

#include <algorithm>

#include "natural/CheckTermsModel.h"
#include "natural/LanguageTermsModel.h"
#include "natural/TermDefinition.h"

namespace deducto::cli {

namespace {

// Stands in for the user: every message is written down, every confirmation answered OK,
// every suggested term kind accepted. Requests to define terms or supply missing forms are
// written down as the window would show them, and declined.
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
    bool EditLanguageTerms(LanguageTermsModel& window) override {
        messages.push_back(window.TermQuery());
        return false;
    }
};

// The first line of the report for which `test` holds, or none.
const LineReport* FirstWhere(const std::vector<LineReport>& lines,
                             bool (LineReport::*test)() const) {
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [test](const LineReport& l) { return (l.*test)(); });
    return found == lines.end() ? nullptr : &*found;
}

// Reads one line as leaving it in the window would; the session keeps its tokens and table.
void ReadLine(LineReport& report, Session& session, RecordingPrompts& prompts) {
    const std::size_t firstMessage = prompts.messages.size();
    const int k = report.input.index;
    report.outcome = ReadLine(report.input.text, k, ReadKind::Edit, session);
    report.table = session.lines[k].table;
    report.messages.assign(prompts.messages.begin() + static_cast<long>(firstMessage),
                           prompts.messages.end());
}

}  // namespace

CheckReport RunCheck(const ArgumentFile& argument, const Options& options) {
    RecordingPrompts prompts;
    // Nobody can press "&Cancel" here, so there are no events to let through.
    Session session(prompts);
    session.mode = argument.mode;
    session.options = options;

    CheckReport report;
    report.mode = argument.mode;
    // Predefined terms go into the lexicon in file order, before any line is read.
    for (const TermLine& term : argument.terms) {
        const TermDefinition added = DefineTerm(term.kind, term.text, session.lexicon);
        if (!added.ok()) {
            prompts.ShowMessage("Term on line " + std::to_string(term.fileLine) + ": " +
                                added.error);
        }
    }
    report.termMessages = prompts.messages;
    for (const InputLine& line : argument.lines) report.lines.push_back({line, {}, {}, {}});

    // Premises in slot order, then the conclusion, whatever order the file gives them in.
    std::vector<LineReport*> order;
    for (LineReport& line : report.lines) order.push_back(&line);
    std::stable_sort(order.begin(), order.end(), [](const LineReport* a, const LineReport* b) {
        return ReadingPosition(a->input.index) < ReadingPosition(b->input.index);
    });
    for (LineReport* line : order) ReadLine(*line, session, prompts);

    if (FirstWhere(report.lines, &LineReport::failed)) {
        report.result = RunResult::LineFailed;
    } else if (const LineReport* stopped = FirstWhere(report.lines, &LineReport::faulty)) {
        report.result = RunResult::InternalError;
        report.stopMessage = stopped->outcome.message;
    } else if (const LineReport* limited = FirstWhere(report.lines, &LineReport::limited)) {
        report.result = RunResult::LimitReached;
        report.stopMessage = limited->outcome.message;
    } else if (!session.lines[0].table) {
        // Only text the engine counts as blank gets here: there is nothing to compare with.
        report.result = RunResult::LineFailed;
        report.stopMessage = "The conclusion holds no formula.";
    } else {
        const Evaluation evaluation =
            EvaluateArgument(session.lines, session.mode, session.computation);
        if (evaluation.status.ok()) {
            report.verdict = evaluation.verdict;
            report.evaluation = evaluation;
            if (evaluation.doesNotFollow()) {
                report.details =
                    DescribeFailingCases(*evaluation.comparisonTable, session.lexicon, prompts);
            }
        } else {
            // Nobody can cancel here: only a limit or an internal fault stops an evaluation.
            report.result = evaluation.status.outcome == Outcome::InternalError
                                ? RunResult::InternalError
                                : RunResult::LimitReached;
            report.stopMessage = evaluation.status.message;
            prompts.ShowMessage(report.stopMessage);
        }
    }
    report.messages = std::move(prompts.messages);
    report.lexicon = session.lexicon.Terms;
    return report;
}

}  // namespace deducto::cli
