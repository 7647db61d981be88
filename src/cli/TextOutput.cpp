#include "TextOutput.h"

#include <algorithm>
#include <string>

#include "Notation.h"
#include "natural/TermDefinition.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::cli {

namespace {

constexpr const char* kIndent = "    ";

struct Column {
    std::string header;
    std::vector<std::string> cells;  // one per table row
};

std::vector<Column> TermColumns(const clsTruthTable& table) {
    const int rows = table.nbrTruthCombos();
    std::vector<Column> columns;
    if (table.mode() == Mode::Propositional) {
        for (int j = 0; j < table.nbrTerms(); ++j) columns.push_back({table.Term(j), {}});
        for (int i = 0; i < rows; ++i) {
            const std::string combo = table.TruthCombo(i);
            for (int j = 0; j < table.nbrTerms(); ++j) columns[j].cells.emplace_back(1, combo[j]);
        }
        return columns;
    }
    for (int k = 0; k < table.nbrIntTerms(); ++k) {
        Column column{DisplayRegion(table.InternalRegion(k)), {}};
        for (int i = 0; i < rows; ++i) column.cells.push_back(table.Inhabited(i, k) ? "1" : "0");
        columns.push_back(std::move(column));
    }
    for (int j = 0; j < table.nbrLocTerms(); ++j) {
        Column column{std::string(1, table.LocalLetter(j)), {}};
        for (int i = 0; i < rows; ++i)
            column.cells.push_back(DisplayRegion(table.LocalRegion(i, j)));
        columns.push_back(std::move(column));
    }
    return columns;
}

bool RowShown(char value, const Options& options) {
    return (value == 'T' && !options.showFalseOnly) || (value == 'F' && !options.showTrueOnly);
}

void WritePadded(std::ostream& out, const std::string& text, std::size_t width) {
    out << text << std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

// Natural-language messages (remarks, questions) go to `notes`, the rest with the line.
void WriteLine(std::ostream& out, std::ostream& notes, const LineReport& line) {
    const LineOutcome& outcome = line.outcome;
    out << LineName(line.input.index) << ':';
    if (outcome.unread()) {
        out << ' ' << outcome.text << '\n';
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

}  // namespace

std::string LineName(int index) {
    return index == 0 ? "Conclusion" : "Premise " + std::to_string(index);
}

void WriteTruthTable(std::ostream& out, const clsTruthTable& table, std::string_view heading,
                     const Options& options) {
    if (table.nbrTerms() == 0) {
        const bool alwaysTrue = table.nbrTruthCombos() > 0 && table.TruthValue(0) == 'T';
        out << (alwaysTrue ? "TRUE IN ALL CASES" : "FALSE IN ALL CASES") << '\n';
        return;
    }
    const std::vector<Column> columns = TermColumns(table);
    std::vector<std::size_t> widths;
    for (const Column& column : columns) {
        std::size_t width = DisplayWidth(column.header);
        for (const std::string& cell : column.cells) width = std::max(width, DisplayWidth(cell));
        widths.push_back(width);
    }

    // The term columns are two spaces apart; "│" sets the value column off.
    const auto writeRow = [&](auto cellOf, std::string_view value) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) out << "  ";
            WritePadded(out, cellOf(columns[c]), widths[c]);
        }
        out << " │ " << value << '\n';
    };
    writeRow([](const Column& column) { return column.header; }, heading);
    std::size_t ruleWidth = 2 * (columns.size() - 1);
    for (const std::size_t width : widths) ruleWidth += width;
    std::string rule;
    for (std::size_t i = 0; i < ruleWidth + 1; ++i) rule += "─";
    rule += "┼";
    for (std::size_t i = 0; i < DisplayWidth(heading) + 1; ++i) rule += "─";
    out << rule << '\n';
    for (int i = 0; i < table.nbrTruthCombos(); ++i) {
        const char value = table.TruthValue(i);
        if (!RowShown(value, options)) continue;
        writeRow([i](const Column& column) { return column.cells[i]; }, std::string(1, value));
    }
}

void WriteText(std::ostream& out, std::ostream& err, const CheckReport& report,
               const TextOptions& text, const Options& options) {
    const bool natural = report.mode == Mode::Natural;
    std::ostream& notes = natural ? err : out;
    for (const std::string& message : report.termMessages) err << message << '\n';
    for (const LineReport& line : report.lines) {
        if (natural && !line.messages.empty()) err << LineName(line.input.index) << ":\n";
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

    for (const int index : text.tables) {
        out << '\n';
        const auto line =
            std::find_if(report.lines.begin(), report.lines.end(),
                         [index](const LineReport& l) { return l.input.index == index; });
        if (line == report.lines.end() || !line->table) {
            out << LineName(index) << " has no truth table.\n";
            continue;
        }
        const std::string formula = DisplayFormula(line->outcome.parse.tokenList);
        out << "Truth table of " << LineName(index) << ": " << formula << '\n';
        WriteTruthTable(out, *line->table, formula, options);
    }
}

}  // namespace deducto::cli
