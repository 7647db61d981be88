#include "truthtable/StepExport.h"

#include <algorithm>

#include "Notation.h"
#include "text/Utf8.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

using Kind = ShownStepColumn::Kind;

// The term columns that describe the rows: letters, or regions and individuals.
void AddTermColumns(const StepRows& rows, std::vector<ShownStepColumn>& columns) {
    if (rows.mode == Mode::Propositional) {
        for (int j = 0; j < static_cast<int>(rows.letters.size()); ++j) {
            ShownStepColumn column;
            column.kind = Kind::Letter;
            column.index = j;
            column.heading = std::string(1, rows.letters[static_cast<std::size_t>(j)]);
            columns.push_back(std::move(column));
        }
        return;
    }
    const clsTruthTable& worlds = *rows.worlds;
    for (int k = 0; k < worlds.nbrIntTerms(); ++k) {
        ShownStepColumn column;
        column.kind = Kind::Flag;
        column.index = k;
        column.heading = DisplayRegion(worlds.InternalRegion(k));
        columns.push_back(std::move(column));
    }
    for (int j = 0; j < worlds.nbrLocTerms(); ++j) {
        ShownStepColumn column;
        column.kind = Kind::Region;
        column.index = j;
        column.heading = std::string(1, worlds.LocalLetter(j));
        columns.push_back(std::move(column));
    }
}

// A line's columns: its steps, then its own value set apart. `rule` goes before the first.
void AddLineColumns(const std::vector<StepColumn>& steps, const std::string& caption, int rule,
                    std::vector<ShownStepColumn>& columns) {
    for (std::size_t c = 0; c < steps.size(); ++c) {
        ShownStepColumn column;
        column.kind = Kind::Step;
        column.step = &steps[c];
        column.tokenList = steps[c].tokenList;
        column.heading = DisplayFormula(steps[c].tokenList);
        column.main = c + 1 == steps.size();
        if (c == 0) {
            column.caption = caption;
            column.rule = rule;
        }
        if (column.main && c > 0) column.rule = 1;
        columns.push_back(std::move(column));
    }
}

const char* MarkOf(const ArgumentTable& table, int row) {
    if (table.Counterexample(row)) return kCounterexampleMark;
    return table.PremisesTrue(row) ? kPremisesTrueMark : "";
}

std::size_t Width(std::string_view text) { return static_cast<std::size_t>(CharacterCount(text)); }

bool AnyCaption(const ShownSteps& shown) {
    return std::any_of(shown.columns.begin(), shown.columns.end(),
                       [](const ShownStepColumn& c) { return !c.caption.empty(); });
}

// ---- text: padded columns, "│" and "║" as the rules ----

// Headings wider than this stand as "(k)" over their column in text, with a legend under
// the table: a long formula over a column of single letters would pad every row to its width.
constexpr std::size_t kMaxTextHeading = 12;

char CellCharacter(const ShownSteps& shown, const ShownStepColumn& column, int row) {
    switch (column.kind) {
        case Kind::Letter:
            return shown.rows->LetterValue(row, column.index) ? 'T' : 'F';
        case Kind::Flag:
            return shown.rows->worlds->Inhabited(row, column.index) ? '1' : '0';
        case Kind::Step:
            return column.step->Value(row) ? 'T' : 'F';
        case Kind::Region:
        case Kind::Mark:
            break;
    }
    return ' ';
}

// Rows whose every cell is one character: each row is the same line of separators and
// padding with the cells set in place. A table of 16,384 rows and hundreds of steps is
// megabytes of text; laying each cell out afresh would cost more than working the table out.
void AppendFixedRows(const ShownSteps& shown, const std::vector<std::size_t>& widths,
                     std::string& out) {
    std::string line;
    std::vector<std::size_t> at;
    for (std::size_t c = 0; c < shown.columns.size(); ++c) {
        const int rule = shown.columns[c].rule;
        if (c > 0) line += rule == 2 ? " ║ " : rule == 1 ? " │ " : "  ";
        at.push_back(line.size());
        line += ' ';
        if (c + 1 < shown.columns.size()) line.append(widths[c] - 1, ' ');
    }
    line += '\n';
    out.reserve(out.size() + line.size() * shown.shownRows.size());
    for (const int row : shown.shownRows) {
        const std::size_t start = out.size();
        out += line;
        for (std::size_t c = 0; c < shown.columns.size(); ++c) {
            out[start + at[c]] = CellCharacter(shown, shown.columns[c], row);
        }
    }
}

std::string AsText(const ShownSteps& original) {
    ShownSteps shown = original;
    std::string legend;
    int numbered = 0;
    for (ShownStepColumn& column : shown.columns) {
        if (column.kind != Kind::Step || Width(column.heading) <= kMaxTextHeading) continue;
        const std::string number = "(" + std::to_string(++numbered) + ")";
        legend += number + ' ' + column.heading + '\n';
        column.heading = number;
    }
    const std::size_t n = shown.columns.size();
    std::vector<std::size_t> widths(n, 1);
    std::string cell;
    for (std::size_t c = 0; c < n; ++c) {
        const ShownStepColumn& column = shown.columns[c];
        widths[c] = std::max({widths[c], Width(column.caption), Width(column.heading)});
        if (column.kind == Kind::Region || column.kind == Kind::Mark) {
            for (const int row : shown.shownRows) {
                cell.clear();
                AppendCell(shown, column, row, cell);
                widths[c] = std::max(widths[c], Width(cell));
            }
        }
    }
    std::string out;
    const auto separator = [&out](const ShownStepColumn& column, std::size_t c) {
        if (c == 0) return;
        out += column.rule == 2 ? " ║ " : column.rule == 1 ? " │ " : "  ";
    };
    const auto pad = [&out](std::size_t used, std::size_t width) {
        out.append(width - std::min(width, used), ' ');
    };
    const auto textRow = [&](auto text) {
        for (std::size_t c = 0; c < n; ++c) {
            separator(shown.columns[c], c);
            const std::string& t = text(shown.columns[c]);
            out += t;
            pad(Width(t), widths[c]);
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += '\n';
    };
    if (AnyCaption(shown))
        textRow([](const ShownStepColumn& c) -> const std::string& { return c.caption; });
    textRow([](const ShownStepColumn& c) -> const std::string& { return c.heading; });
    for (std::size_t c = 0; c < n; ++c) {
        const int rule = shown.columns[c].rule;
        if (c > 0) out += rule == 2 ? "─╫─" : rule == 1 ? "─┼─" : "──";
        for (std::size_t i = 0; i < widths[c]; ++i) out += "─";
    }
    out += '\n';
    if (std::all_of(shown.columns.begin(), shown.columns.end(), [](const ShownStepColumn& c) {
            return c.kind != Kind::Region && c.kind != Kind::Mark;
        })) {
        AppendFixedRows(shown, widths, out);
        if (!legend.empty()) out += '\n' + legend;
        return out;
    }
    for (const int row : shown.shownRows) {
        const std::size_t start = out.size();
        for (std::size_t c = 0; c < n; ++c) {
            separator(shown.columns[c], c);
            const std::size_t before = out.size();
            AppendCell(shown, shown.columns[c], row, out);
            const ShownStepColumn& column = shown.columns[c];
            const bool plain = column.kind != Kind::Region && column.kind != Kind::Mark;
            pad(plain ? out.size() - before : Width(std::string_view(out).substr(before)),
                widths[c]);
        }
        while (out.size() > start && out.back() == ' ') out.pop_back();
        out += '\n';
    }
    if (!legend.empty()) out += '\n' + legend;
    return out;
}

// ---- CSV: a caption row when there are captions, then the headings and the rows ----

std::string AsCsv(const ShownSteps& shown) {
    std::string out;
    const auto textRow = [&](auto text) {
        for (std::size_t c = 0; c < shown.columns.size(); ++c) {
            if (c > 0) out += ',';
            out += CsvCell(text(shown.columns[c]));
        }
        out += kCsvLineEnd;
    };
    if (AnyCaption(shown)) textRow([](const ShownStepColumn& c) { return c.caption; });
    textRow([](const ShownStepColumn& c) { return c.heading; });
    std::string cell;
    for (const int row : shown.shownRows) {
        for (std::size_t c = 0; c < shown.columns.size(); ++c) {
            if (c > 0) out += ',';
            const ShownStepColumn& column = shown.columns[c];
            if (column.kind == Kind::Region || column.kind == Kind::Mark) {
                cell.clear();
                AppendCell(shown, column, row, cell);
                out += CsvCell(cell);
            } else {
                AppendCell(shown, column, row, out);
            }
        }
        out += kCsvLineEnd;
    }
    return out;
}

// ---- Markdown: one heading row (the caption above the formula), line values in bold ----

std::string AsMarkdown(const ShownSteps& shown) {
    std::string out = "|";
    for (const ShownStepColumn& column : shown.columns) {
        std::string heading = MarkdownText(column.heading);
        if (column.main) heading = "**" + heading + "**";
        if (!column.caption.empty()) heading = MarkdownText(column.caption) + "<br>" + heading;
        out += ' ' + heading + " |";
    }
    out += "\n|";
    for (std::size_t c = 0; c < shown.columns.size(); ++c) out += " :-: |";
    out += '\n';
    std::string cell;
    for (const int row : shown.shownRows) {
        out += '|';
        for (const ShownStepColumn& column : shown.columns) {
            cell.clear();
            AppendCell(shown, column, row, cell);
            out += ' ' + MarkdownText(cell) + " |";
        }
        out += '\n';
    }
    return out;
}

// ---- LaTeX: a tabular, headings in math mode, rules before the line values ----

std::string AsLatex(const ShownSteps& shown) {
    std::string alignment;
    for (const ShownStepColumn& column : shown.columns) {
        alignment += column.rule == 2 ? "||" : column.rule == 1 ? "|" : "";
        alignment += 'c';
    }
    std::string out = "\\begin{tabular}{" + alignment + "}\n";
    if (AnyCaption(shown)) {
        for (std::size_t c = 0; c < shown.columns.size(); ++c) {
            out += (c > 0 ? " & " : "") + shown.columns[c].caption;
        }
        out += " \\\\\n";
    }
    for (std::size_t c = 0; c < shown.columns.size(); ++c) {
        const ShownStepColumn& column = shown.columns[c];
        out += c > 0 ? " & " : "";
        out += column.kind == Kind::Mark ? column.heading : LatexMathText(column.heading);
    }
    out += " \\\\\n\\hline\n";
    std::string cell;
    for (const int row : shown.shownRows) {
        for (std::size_t c = 0; c < shown.columns.size(); ++c) {
            const ShownStepColumn& column = shown.columns[c];
            if (c > 0) out += " & ";
            if (column.kind == Kind::Region) {
                cell.clear();
                AppendCell(shown, column, row, cell);
                out += LatexMathText(cell);
            } else {
                AppendCell(shown, column, row, out);
            }
        }
        out += " \\\\\n";
    }
    return out + "\\end{tabular}\n";
}

std::string Written(const ShownSteps& shown, TableFormat format) {
    switch (format) {
        case TableFormat::Text:
            return AsText(shown);
        case TableFormat::Csv:
            return AsCsv(shown);
        case TableFormat::Markdown:
            return AsMarkdown(shown);
        case TableFormat::Latex:
            return AsLatex(shown);
    }
    return {};
}

}  // namespace

ShownSteps StepTableShown(const StepTable& table, const Options& options) {
    ShownSteps shown;
    shown.rows = &table.rows;
    AddTermColumns(table.rows, shown.columns);
    AddLineColumns(table.steps, "", shown.columns.empty() ? 0 : 1, shown.columns);
    if (!shown.columns.empty() && table.steps.size() > 1) shown.columns.back().rule = 2;
    const StepColumn& line = table.steps.back();
    shown.shownRows.reserve(static_cast<std::size_t>(table.rows.count));
    for (int i = 0; i < table.rows.count; ++i) {
        const bool value = line.Value(i);
        if ((value && !options.showFalseOnly) || (!value && !options.showTrueOnly)) {
            shown.shownRows.push_back(i);
        }
    }
    return shown;
}

ShownSteps ArgumentTableShown(const ArgumentTable& table) {
    ShownSteps shown;
    shown.rows = &table.rows;
    shown.argument = &table;
    AddTermColumns(table.rows, shown.columns);
    for (const ArgumentLineColumns& line : table.lines) {
        AddLineColumns(line.columns, line.caption, shown.columns.empty() ? 0 : 2, shown.columns);
    }
    ShownStepColumn mark;
    mark.kind = Kind::Mark;
    mark.heading = kMarkHeading;
    mark.rule = 2;
    shown.columns.push_back(std::move(mark));
    shown.shownRows.resize(static_cast<std::size_t>(table.rows.count));
    for (int i = 0; i < table.rows.count; ++i) shown.shownRows[static_cast<std::size_t>(i)] = i;
    return shown;
}

void AppendCell(const ShownSteps& shown, const ShownStepColumn& column, int row, std::string& out) {
    switch (column.kind) {
        case Kind::Letter:
            out += shown.rows->LetterValue(row, column.index) ? 'T' : 'F';
            break;
        case Kind::Flag:
            out += shown.rows->worlds->Inhabited(row, column.index) ? '1' : '0';
            break;
        case Kind::Region:
            out += DisplayRegion(shown.rows->worlds->LocalRegion(row, column.index));
            break;
        case Kind::Step:
            out += column.step->Value(row) ? 'T' : 'F';
            break;
        case Kind::Mark:
            if (shown.argument != nullptr) out += MarkOf(*shown.argument, row);
            break;
    }
}

std::string ExportStepTable(const StepTable& table, const Options& options, TableFormat format) {
    return Written(StepTableShown(table, options), format);
}

std::string ExportArgumentTable(const ArgumentTable& table, TableFormat format) {
    std::string out = Written(ArgumentTableShown(table), format);
    // Appended in place: the table may be megabytes.
    switch (format) {
        case TableFormat::Text:
        case TableFormat::Latex:
            out += '\n';
            out += table.sentence;
            out += '\n';
            break;
        case TableFormat::Markdown:
            out += '\n';
            out += MarkdownText(table.sentence);
            out += '\n';
            break;
        case TableFormat::Csv:
            break;
    }
    return out;
}

}  // namespace deducto
