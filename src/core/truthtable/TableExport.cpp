#include "truthtable/TableExport.h"

#include <algorithm>

#include "Notation.h"
#include "text/Utf8.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

bool RowShown(char value, const Options& options) {
    return (value == 'T' && !options.showFalseOnly) || (value == 'F' && !options.showTrueOnly);
}

// One column per term, its cells in table order: a propositional letter's "T"/"F"; an
// internal term's flag "1"/"0" under its region; a local term's region under its letter.
struct TermColumn {
    std::string heading;
    std::vector<std::string> cells;
};

std::vector<TermColumn> TermColumns(const clsTruthTable& table) {
    const int rows = table.nbrTruthCombos();
    std::vector<TermColumn> columns;
    if (table.mode() == Mode::Propositional) {
        for (int j = 0; j < table.nbrTerms(); ++j) columns.push_back({table.Term(j), {}});
        for (int i = 0; i < rows; ++i) {
            const std::string combo = table.TruthCombo(i);
            for (int j = 0; j < table.nbrTerms(); ++j) columns[j].cells.emplace_back(1, combo[j]);
        }
        return columns;
    }
    for (int k = 0; k < table.nbrIntTerms(); ++k) {
        TermColumn column{DisplayRegion(table.InternalRegion(k)), {}};
        for (int i = 0; i < rows; ++i) column.cells.push_back(table.Inhabited(i, k) ? "1" : "0");
        columns.push_back(std::move(column));
    }
    for (int j = 0; j < table.nbrLocTerms(); ++j) {
        TermColumn column{std::string(1, table.LocalLetter(j)), {}};
        for (int i = 0; i < rows; ++i) {
            column.cells.push_back(DisplayRegion(table.LocalRegion(i, j)));
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

// ---- plain text: the columns padded, a rule under the headings, "│" before the value ----

// Columns a text takes in a terminal: one per character.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(CharacterCount(text));
}

void AppendPadded(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    out.append(width - std::min(width, Columns(text)), ' ');
}

std::string AsText(const ShownTable& shown, const clsTruthTable& table) {
    if (shown.constant) return std::string(ConstantTableText(table)) + '\n';
    const std::size_t terms = shown.headings.size() - 1;
    std::vector<std::size_t> widths(terms, 0);
    for (std::size_t c = 0; c < terms; ++c) {
        widths[c] = Columns(shown.headings[c]);
        for (const auto& row : shown.rows) widths[c] = std::max(widths[c], Columns(row[c]));
    }
    std::string out;
    const auto appendRow = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < terms; ++c) {
            if (c > 0) out += "  ";
            AppendPadded(out, cells[c], widths[c]);
        }
        out += " │ " + cells[terms] + '\n';
    };
    appendRow(shown.headings);
    std::size_t ruleWidth = 2 * (terms - 1);
    for (const std::size_t width : widths) ruleWidth += width;
    for (std::size_t i = 0; i < ruleWidth + 1; ++i) out += "─";
    out += "┼";
    for (std::size_t i = 0; i < Columns(shown.headings[terms]) + 1; ++i) out += "─";
    out += '\n';
    for (const auto& row : shown.rows) appendRow(row);
    return out;
}

// ---- CSV: comma-separated, a field quoted when it holds a comma, quote or line end ----

std::string CsvField(const std::string& text) {
    if (text.empty()) return text;
    if (text.find_first_of(",\"\r\n") == std::string::npos && text.front() != ' ' &&
        text.back() != ' ') {
        return text;
    }
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string AsCsv(const ShownTable& shown) {
    std::string out;
    const auto appendRow = [&out](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) out += ',';
            out += CsvField(cells[c]);
        }
        out += kCsvLineEnd;
    };
    appendRow(shown.headings);
    for (const auto& row : shown.rows) appendRow(row);
    return out;
}

// ---- Markdown: a pipe table; characters with a meaning there are escaped ----

std::string MarkdownCell(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (std::string_view("\\|*_`").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

std::string AsMarkdown(const ShownTable& shown) {
    std::string out;
    const auto appendRow = [&out](const std::vector<std::string>& cells) {
        out += '|';
        for (const std::string& cell : cells) out += ' ' + MarkdownCell(cell) + " |";
        out += '\n';
    };
    appendRow(shown.headings);
    out += '|';
    for (std::size_t c = 0; c < shown.headings.size(); ++c) out += " :-: |";
    out += '\n';
    for (const auto& row : shown.rows) appendRow(row);
    return out;
}

// ---- LaTeX: a tabular, formulas and regions in math mode, a rule before the value ----

struct LatexGlyph {
    std::string_view glyph;
    std::string_view command;
};
constexpr LatexGlyph kLatexGlyphs[] = {{"∧", "\\land "},
                                       {"∨", "\\lor "},
                                       {"¬", "\\lnot "},
                                       {"→", "\\rightarrow "},
                                       {"↔", "\\leftrightarrow "},
                                       {"∀", "\\forall "},
                                       {"∃", "\\exists "},
                                       {"∈", "\\in "},
                                       {"∩", "\\cap "},
                                       {"∪", "\\cup "},
                                       {"⊆", "\\subseteq "},
                                       {"∅", "\\emptyset "},
                                       {"′", "'"},
                                       {"\\", "\\backslash "},
                                       {"~", "\\sim "},
                                       {"^", "\\hat{} "},
                                       {"#", "\\#"},
                                       {"$", "\\$"},
                                       {"%", "\\%"},
                                       {"&", "\\&"},
                                       {"_", "\\_"},
                                       {"{", "\\{"},
                                       {"}", "\\}"}};

// Plain-text notation in LaTeX math mode.
std::string LatexMath(std::string_view text) {
    std::string out = "$";
    while (!text.empty()) {
        const auto found = std::find_if(
            std::begin(kLatexGlyphs), std::end(kLatexGlyphs),
            [text](const LatexGlyph& g) { return text.substr(0, g.glyph.size()) == g.glyph; });
        if (found != std::end(kLatexGlyphs)) {
            out += found->command;
            text.remove_prefix(found->glyph.size());
        } else {
            // A command already ends in the space that parts it from what follows.
            if (text.front() != ' ' || out.back() != ' ') out += text.front();
            text.remove_prefix(1);
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + "$";
}

std::string AsLatex(const ShownTable& shown, const std::vector<bool>& notationCells) {
    const std::size_t terms = shown.headings.size() - 1;
    const std::string columns = terms == 0 ? "c" : std::string(terms, 'c') + "|c";
    std::string out = "\\begin{tabular}{" + columns + "}\n";
    for (std::size_t c = 0; c < shown.headings.size(); ++c) {
        out += (c > 0 ? " & " : "") + LatexMath(shown.headings[c]);
    }
    out += " \\\\\n\\hline\n";
    for (const auto& row : shown.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            const bool notation = c < terms && notationCells[c];
            out += (c > 0 ? " & " : "") + (notation ? LatexMath(row[c]) : row[c]);
        }
        out += " \\\\\n";
    }
    return out + "\\end{tabular}\n";
}

}  // namespace

std::optional<TableFormat> TableFormatNamed(std::string_view name) {
    if (name == "text") return TableFormat::Text;
    if (name == "csv") return TableFormat::Csv;
    if (name == "markdown") return TableFormat::Markdown;
    if (name == "latex") return TableFormat::Latex;
    return std::nullopt;
}

const char* ConstantTableText(const clsTruthTable& table) {
    const bool alwaysTrue = table.nbrTruthCombos() > 0 && table.TruthValue(0) == 'T';
    return alwaysTrue ? "TRUE IN ALL CASES" : "FALSE IN ALL CASES";
}

ShownTable TableShown(const clsTruthTable& table, std::string_view formula,
                      const Options& options) {
    ShownTable shown;
    if (table.nbrTerms() == 0) {
        shown.constant = true;
        shown.headings.emplace_back(formula);
        shown.rows.push_back(
            {table.nbrTruthCombos() > 0 && table.TruthValue(0) == 'T' ? "T" : "F"});
        return shown;
    }
    std::vector<TermColumn> columns = TermColumns(table);
    for (const TermColumn& column : columns) shown.headings.push_back(column.heading);
    shown.headings.emplace_back(formula);
    for (int i = 0; i < table.nbrTruthCombos(); ++i) {
        const char value = table.TruthValue(i);
        if (!RowShown(value, options)) continue;
        std::vector<std::string> row;
        row.reserve(columns.size() + 1);
        for (TermColumn& column : columns) row.push_back(std::move(column.cells[i]));
        row.emplace_back(1, value);
        shown.rows.push_back(std::move(row));
    }
    return shown;
}

std::string ExportTable(const clsTruthTable& table, std::string_view tokenList,
                        const Options& options, TableFormat format) {
    const ShownTable shown = TableShown(table, DisplayFormula(tokenList), options);
    switch (format) {
        case TableFormat::Text:
            return AsText(shown, table);
        case TableFormat::Csv:
            return AsCsv(shown);
        case TableFormat::Markdown:
            return AsMarkdown(shown);
        case TableFormat::Latex: {
            // Local terms' cells are regions; every other cell is a truth value or a flag.
            std::vector<bool> notationCells(shown.headings.size() - 1, false);
            if (table.mode() != Mode::Propositional) {
                for (int j = 0; j < table.nbrLocTerms(); ++j) {
                    notationCells[table.nbrIntTerms() + j] = true;
                }
            }
            return AsLatex(shown, notationCells);
        }
    }
    return {};
}

std::string CsvCell(const std::string& text) { return CsvField(text); }

std::string MarkdownText(const std::string& text) { return MarkdownCell(text); }

std::string LatexMathText(std::string_view text) { return LatexMath(text); }

}  // namespace deducto
