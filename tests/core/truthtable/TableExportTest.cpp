// Exported truth tables read back: CSV by a small RFC 4180 reader, Markdown by splitting at
// unescaped pipes, LaTeX by its rows; each must hold the cells the window shows, every
// shown row included.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Notation.h"
#include "TableHelpers.h"
#include "support/ScriptedPrompts.h"
#include "truthtable/TableExport.h"

namespace deducto::testing {
namespace {

using Cells = std::vector<std::vector<std::string>>;

Cells ReadCsv(const std::string& text) {
    Cells rows(1);
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == '\n') {
            ADD_FAILURE() << "a line end without CR before it (RFC 4180 ends records in CRLF)";
        } else if (c == ',' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            rows.back().push_back(field);
            field.clear();
            fieldStarted = false;
            if (c == '\r') {
                rows.emplace_back();
                ++i;
            }
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "no line end after the last row";
    rows.pop_back();
    return rows;
}

std::vector<std::string> SplitMarkdownRow(const std::string& line) {
    std::vector<std::string> cells;
    EXPECT_TRUE(line.size() >= 2 && line.front() == '|' && line.back() == '|') << line;
    std::string cell;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            cell += line[++i];
        } else if (line[i] == '|') {
            EXPECT_TRUE(cell.size() >= 2 && cell.front() == ' ' && cell.back() == ' ') << line;
            cells.push_back(cell.substr(1, cell.size() - 2));
            cell.clear();
        } else {
            cell += line[i];
        }
    }
    return cells;
}

Cells ReadMarkdown(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    Cells rows;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        if (++lineNumber == 2) {
            for (const std::string& rule : SplitMarkdownRow(line)) EXPECT_EQ(rule, ":-:");
            continue;
        }
        rows.push_back(SplitMarkdownRow(line));
    }
    return rows;
}

// The shown table as it should read back: headings, then each shown row.
Cells Expected(const ShownTable& shown) {
    Cells rows{shown.headings};
    rows.insert(rows.end(), shown.rows.begin(), shown.rows.end());
    return rows;
}

struct ShownCase {
    const char* name;
    Mode mode;
    const char* formula;
    bool trueOnly;
    bool falseOnly;
    std::vector<std::string> headings;
    std::vector<std::string> rows;  // the cells of each shown row, joined by spaces
};
void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.formula; }

class TablesShown : public ::testing::TestWithParam<ShownCase> {};

// Row order, filters and the column of each kind of term, as the window has them.
TEST_P(TablesShown, HoldTheWindowsColumnsAndRows) {
    const ShownCase& c = GetParam();
    ScriptedSession ss(c.mode);
    const auto table = TableOf(c.formula, ss.session, /*simplify=*/true);
    Options options;
    options.showTrueOnly = c.trueOnly;
    options.showFalseOnly = c.falseOnly;
    const ShownTable shown = TableShown(*table, "f", options);
    EXPECT_EQ(shown.headings, c.headings);
    std::vector<std::string> rows;
    for (const auto& row : shown.rows) {
        std::string joined;
        for (const std::string& cell : row) joined += (joined.empty() ? "" : " ") + cell;
        rows.push_back(joined);
    }
    EXPECT_EQ(rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(Layouts, TablesShown,
                         ::testing::Values(ShownCase{"Conjunction",
                                                     Mode::Propositional,
                                                     "p and q",
                                                     false,
                                                     false,
                                                     {"p", "q", "f"},
                                                     {"T T T", "T F F", "F T F", "F F F"}},
                                           ShownCase{"TrueRowsOnly",
                                                     Mode::Propositional,
                                                     "p or Q",
                                                     true,
                                                     false,
                                                     {"Q", "p", "f"},
                                                     {"T T T", "T F T", "F T T"}},
                                           ShownCase{"FalseRowsOnly",
                                                     Mode::Propositional,
                                                     "p or Q",
                                                     false,
                                                     true,
                                                     {"Q", "p", "f"},
                                                     {"F F F"}},
                                           ShownCase{"TautologySimplifiedAway",
                                                     Mode::Propositional,
                                                     "p or not p",
                                                     false,
                                                     true,
                                                     {"f"},
                                                     {"T"}},
                                           ShownCase{"PredicateRegionColumn",
                                                     Mode::Predicate,
                                                     "forall x (Px implies Qx)",
                                                     false,
                                                     false,
                                                     {"P∩Q′", "f"},
                                                     {"1 F", "0 T"}},
                                           ShownCase{"ConstantCellColumn",
                                                     Mode::Predicate,
                                                     "Pa and not Qa",
                                                     false,
                                                     false,
                                                     {"a", "f"},
                                                     {"P∩Q F", "P∩Q′ T", "P′∩Q F", "P′∩Q′ F"}}),
                         [](const auto& row) { return std::string(row.param.name); });

// A comparison marks "-" the rows whose premises are false: they are never shown.
TEST(TableExport, LeavesOutRowsExcludedFromAComparison) {
    ScriptedSession ss;
    const Evaluation evaluation = Evaluate(ss.session, {"p"}, "q");
    ASSERT_TRUE(evaluation.comparisonTable);
    ASSERT_EQ(ValuesOf(*evaluation.comparisonTable), "TF--");
    const ShownTable shown = TableShown(*evaluation.comparisonTable, "f", Options{});
    EXPECT_EQ(shown.rows, Cells({{"T", "T", "T"}, {"T", "F", "F"}}));
}

struct ExportCase {
    const char* name;
    Mode mode;
    const char* formula;
    bool trueOnly;
};
void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.formula; }

class ExportsReadBack : public ::testing::TestWithParam<ExportCase> {
protected:
    void SetUp() override {
        ss_ = std::make_unique<ScriptedSession>(GetParam().mode);
        const ParseResult parse = BuildPolish(GetParam().formula, GetParam().mode);
        ASSERT_TRUE(parse.ok());
        tokens_ = parse.tokenList;
        table_ = TableOf(GetParam().formula, ss_->session, /*simplify=*/true);
        options_.showTrueOnly = GetParam().trueOnly;
        shown_ = TableShown(*table_, DisplayFormula(tokens_), options_);
    }
    std::string Export(TableFormat format) const {
        return ExportTable(*table_, tokens_, options_, format);
    }

    std::unique_ptr<ScriptedSession> ss_;
    std::string tokens_;
    std::shared_ptr<clsTruthTable> table_;
    Options options_;
    ShownTable shown_;
};

TEST_P(ExportsReadBack, AsCsv) { EXPECT_EQ(ReadCsv(Export(TableFormat::Csv)), Expected(shown_)); }

TEST_P(ExportsReadBack, AsMarkdown) {
    EXPECT_EQ(ReadMarkdown(Export(TableFormat::Markdown)), Expected(shown_));
}

// One tabular row per shown row, each with as many cells as the tabular header declares.
TEST_P(ExportsReadBack, AsLatexTabular) {
    const std::string latex = Export(TableFormat::Latex);
    std::istringstream in(latex);
    std::string line;
    std::getline(in, line);
    ASSERT_EQ(line.rfind("\\begin{tabular}{", 0), 0u) << line;
    EXPECT_EQ(static_cast<std::size_t>(std::count(line.begin(), line.end(), 'c')),
              shown_.headings.size())
        << line;
    std::size_t rows = 0;
    while (std::getline(in, line) && line != "\\end{tabular}") {
        if (line == "\\hline") continue;
        ASSERT_GE(line.size(), 3u);
        EXPECT_EQ(line.substr(line.size() - 3), " \\\\") << line;
        EXPECT_EQ(static_cast<std::size_t>(std::count(line.begin(), line.end(), '&')) + 1,
                  shown_.headings.size())
            << line;
        EXPECT_EQ(line.find_first_of("∧∨¬→↔∀∃∩′"), std::string::npos) << "not in LaTeX: " << line;
        ++rows;
    }
    EXPECT_EQ(line, "\\end{tabular}");
    EXPECT_EQ(rows, shown_.rows.size() + 1);  // and the headings
}

// Beyond the hundred rows the window draws, and for the filter as on screen.
TEST_P(ExportsReadBack, HoldEveryShownRow) {
    int shown = 0;
    for (int i = 0; i < table_->nbrTruthCombos(); ++i) {
        const char value = table_->TruthValue(i);
        shown += value == 'T' || (value == 'F' && !options_.showTrueOnly);
    }
    EXPECT_EQ(shown_.rows.size(), static_cast<std::size_t>(shown));
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, ExportsReadBack,
    ::testing::Values(ExportCase{"FourClauses", Mode::Propositional,
                                 "(a or b) and (c or d) and (e or f) and (g or h)", false},
                      ExportCase{"FourClausesTrueRowsOnly", Mode::Propositional,
                                 "(a or b) and (c or d) and (e or f) and (g or h)", true},
                      ExportCase{"Tautology", Mode::Propositional, "p or not p", false},
                      ExportCase{"PredicateMixedTerms", Mode::Predicate,
                                 "forall x (Px implies Qx) and Pa and exists y Ry", false},
                      ExportCase{"TwoConstantsTrueRowsOnly", Mode::Predicate, "Pa or Qb", true}),
    [](const auto& row) { return std::string(row.param.name); });

// A TeX engine, when there is one, must accept the document the tabular goes into.
TEST(TableExport, LatexCompilesWhenATexEngineIsInstalled) {
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no pdflatex";
    }
    ScriptedSession ss(Mode::Predicate);
    const ParseResult parse = BuildPolish("forall x (Px implies Qx) and Pa", Mode::Predicate);
    const auto table = TableOf("forall x (Px implies Qx) and Pa", ss.session, true);
    const std::string dir = ::testing::TempDir();
    std::ofstream(dir + "/deducto_table.tex")
        << "\\documentclass{article}\n\\begin{document}\n"
        << ExportTable(*table, parse.tokenList, Options{}, TableFormat::Latex)
        << "\\end{document}\n";
    const std::string command = "cd '" + dir +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error "
                                "deducto_table.tex >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace deducto::testing
