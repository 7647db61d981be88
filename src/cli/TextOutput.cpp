#include "TextOutput.h"

#include <algorithm>
#include <string>

#include "Lines.h"
#include "Notation.h"
#include "ReadLine.h"
#include "StepOutput.h"
#include "natural/TermDefinition.h"
#include "text/Utf8.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::cli {

namespace {

constexpr const char* kIndent = "    ";
constexpr const char* kArgumentTableCaption = "Argument table";

// "FILE: " before a message on standard error; nothing when no file was named.
std::string About(const TextOptions& text) { return text.file.empty() ? "" : text.file + ": "; }

// Natural-language messages (remarks, questions) go to `notes`, the rest with the line.
void WriteLine(std::ostream& out, std::ostream& notes, const LineReport& line) {
    const LineOutcome& outcome = line.outcome;
    out << LineName(line.input.index) << ':';
    if (outcome.unread()) {
        out << ' ' << outcome.text << '\n';
        // Many failures come with no message at all: the mark is then the only clue, so
        // its place is said in words too, in characters as an editor counts them.
        if (line.messages.empty()) {
            const int total = CharacterCount(RemoveErrorMarks(outcome.text));
            out << kIndent << "reading stopped after character " << outcome.markCharacter()
                << " of " << total << ", with no message\n";
        }
    } else {
        if (!line.input.text.empty()) out << ' ' << line.input.text;
        out << '\n';
        if (outcome.ok()) {
            out << kIndent << DisplayFormula(outcome.parse.tokenList);
            if (!outcome.parse.scopeWarning.empty()) out << "   " << outcome.parse.scopeWarning;
            out << '\n';
        }
    }
    for (const std::string& message : line.messages) notes << kIndent << message << '\n';
}

// The chosen lines' tables, each after a caption: a line of its own in text, a paragraph in
// Markdown, a comment in LaTeX and none in CSV, which has no comments. Tables in the
// other formats are one blank line apart; text ones follow the report after one.
void WriteTables(std::ostream& out, std::ostream& err, const CheckReport& report,
                 const TextOptions& text, const Options& options) {
    bool first = true;
    for (const int index : text.tables) {
        const auto line =
            std::find_if(report.lines.begin(), report.lines.end(),
                         [index](const LineReport& l) { return l.input.index == index; });
        if (line == report.lines.end() || !line->table) {
            // In text the remark belongs to the report; elsewhere it would corrupt the table.
            if (text.format == TableFormat::Text) {
                out << '\n' << LineName(index) << " has no truth table.\n";
            } else {
                err << About(text) << LineName(index) << " has no truth table.\n";
            }
            continue;
        }
        const std::string& tokens = line->outcome.parse.tokenList;
        const std::string caption =
            "Truth table of " + LineName(index) + ": " + DisplayFormula(tokens);
        // CSV keeps the line ends of RFC 4180 throughout, its blank separator row included.
        if (text.format == TableFormat::Text || !first)
            out << (text.format == TableFormat::Csv ? "\r\n" : "\n");
        first = false;
        switch (text.format) {
            case TableFormat::Text:
                out << caption << '\n';
                break;
            case TableFormat::Markdown:
                out << caption << "\n\n";
                break;
            case TableFormat::Latex:
                out << "% " << caption << '\n';
                break;
            case TableFormat::Csv:
                break;
        }
        if (text.steps) {
            bool ok = true;
            const std::string steps = StepTableText(*line, report.mode, options, text.format, ok);
            (ok || text.format == TableFormat::Text ? out : err) << steps;
        } else {
            out << ExportTable(*line->table, tokens, options, text.format);
        }
    }
    if (text.argumentTable) {
        bool ok = true;
        const std::string table = ArgumentTableText(report, text.steps, text.format, ok);
        if (text.format == TableFormat::Text || !first) out << '\n';
        switch (text.format) {
            case TableFormat::Text:
                out << kArgumentTableCaption << '\n';
                break;
            case TableFormat::Markdown:
                out << kArgumentTableCaption << "\n\n";
                break;
            case TableFormat::Latex:
                out << "% " << kArgumentTableCaption << '\n';
                break;
            case TableFormat::Csv:
                break;
        }
        (ok || text.format == TableFormat::Text ? out : err) << table;
    }
}

}  // namespace

void WriteText(std::ostream& out, std::ostream& err, const CheckReport& report,
               const TextOptions& text, const Options& options) {
    if (text.format != TableFormat::Text) {
        WriteTables(out, err, report, text, options);
        if (!text.treeLatex.empty()) out << (text.tables.empty() ? "" : "\n") << text.treeLatex;
        return;
    }
    const bool natural = report.mode == Mode::Natural;
    std::ostream& notes = natural ? err : out;
    for (const std::string& message : report.termMessages) err << About(text) << message << '\n';
    for (const LineReport& line : report.lines) {
        if (natural && !line.messages.empty())
            err << About(text) << LineName(line.input.index) << ":\n";
        WriteLine(out, notes, line);
    }
    out << '\n';

    switch (report.result) {
        case RunResult::Evaluated:
            out << VerdictText(report.verdict) << '\n';
            if (!text.explanation.empty()) out << text.explanation << '\n';
            break;
        case RunResult::LineFailed:
            out << "Not evaluated: "
                << (report.stopMessage.empty() ? "a line could not be read." : report.stopMessage)
                << '\n';
            break;
        case RunResult::LimitReached:
            out << "Not evaluated: "
                << (report.stopMessage.empty() ? "a line's truth table is too large."
                                               : report.stopMessage)
                << '\n';
            break;
        case RunResult::InternalError:
            out << "Not evaluated: an internal check failed"
                << (report.stopMessage.empty() ? "." : " (" + report.stopMessage + ").") << '\n';
            break;
    }

    if (natural && !report.lexicon.empty()) {
        out << "\nTerms:\n";
        for (const std::string& term : LexiconListing(report.lexicon))
            out << kIndent << term << '\n';
    }

    if (text.details && !report.details.empty()) {
        out << '\n' << kDetailsHeading << '\n';
        for (const CaseText& failing : report.details) {
            for (const std::string& line : failing) out << kIndent << line << '\n';
        }
    }

    if (!text.world.empty()) out << '\n';
    for (const std::string& line : text.world) out << line << '\n';
    if (!text.tree.empty()) out << "\nTruth tree:\n";
    for (const std::string& line : text.tree) out << line << '\n';

    WriteTables(out, err, report, text, options);
}

}  // namespace deducto::cli
