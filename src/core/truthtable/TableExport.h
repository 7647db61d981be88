// A truth table written out as text, for a terminal, a clipboard or a file: plain text,
// CSV, Markdown or a LaTeX tabular. Every format shows what the truth-table window shows:
// a column per term (internal terms before local ones in predicate tables), the formula
// heading the value column, and the rows the options let through in table order, but all
// of them, not only the first hundred. Rows valued "-" are never shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Options.h"

namespace deducto {

class clsTruthTable;

enum class TableFormat { Text, Csv, Markdown, Latex };

// "text", "csv", "markdown" or "latex"; nullopt for anything else.
[[nodiscard]] std::optional<TableFormat> TableFormatNamed(std::string_view name);

// The cells of a table as they are shown, in plain-text notation.
struct ShownTable {
    std::vector<std::string> headings;           // the term columns, then the formula
    std::vector<std::vector<std::string>> rows;  // shown rows: the term cells, then the value
    bool constant = false;                       // no terms: the one value holds in every case
};

// `formula` heads the value column. A table without terms becomes one row holding its
// value, whatever the filters say, as the window then shows the value in words.
[[nodiscard]] ShownTable TableShown(const clsTruthTable& table, std::string_view formula,
                                    const Options& options);

// The table of a line whose formula has the token list `tokenList`, in `format`; every
// format ends with a line end. Only the row filters of `options` apply here: whether
// unneeded columns were removed was decided when the table was built.
[[nodiscard]] std::string ExportTable(const clsTruthTable& table, std::string_view tokenList,
                                      const Options& options, TableFormat format);

// One cell or heading for each format, as the tables above write them: a CSV field quoted
// when it must be, a Markdown cell escaped, plain-text notation in LaTeX math mode.
[[nodiscard]] std::string CsvCell(const std::string& text);
// Every CSV row ends so, as RFC 4180 says.
inline constexpr std::string_view kCsvLineEnd = "\r\n";
[[nodiscard]] std::string MarkdownText(const std::string& text);
[[nodiscard]] std::string LatexMathText(std::string_view text);

// The words the window shows for a table without terms.
[[nodiscard]] const char* ConstantTableText(const clsTruthTable& table);

}  // namespace deducto
