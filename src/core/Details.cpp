#include "Details.h"

#include <algorithm>

#include "natural/modEnglishDetails.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// The formula-layout text of one cell (predicate and set-theory modes), appended to
// `text`: `column` is a term index of `table`, `row` a row index.
void AppendCell(std::string& text, const clsTruthTable& table, int row, int column, Mode mode) {
    const bool setTheory = mode == Mode::SetTheory;
    if (column < table.nbrIntTerms()) {
        text += table.Inhabited(row, column) ? "exists x (" : "not exists x (";
        bool first = true;
        ForEachPair(table.InternalRegion(column), [&](char sign, char letter) {
            if (!first) text += " and ";
            first = false;
            if (sign == '-') text += "not ";
            if (setTheory) {
                text += "x belongs ";
                text += letter;
            } else {
                text += letter;
                text += 'x';
            }
        });
        text += ')';
        return;
    }
    const int local = column - table.nbrIntTerms();
    const char individual = table.LocalLetter(local);
    const size_t start = text.size();
    bool first = true;
    ForEachPair(table.LocalRegion(row, local), [&](char sign, char letter) {
        if (!first) text += " and ";
        first = false;
        if (sign == '-') text += "not ";
        if (setTheory) {
            text += individual;
            text += " belongs ";
            text += letter;
        } else {
            text += letter;
            text += individual;
        }
    });
    // Anything but one plain pair ("Pa") is put in parentheses.
    if (text.size() - start > 2) {
        text.insert(start, 1, '(');
        text += ')';
    }
}

// The one-line layouts are written into `line`, whose room is kept from case to case.

// ">> p is true, q is false"
const std::string& PropositionalCase(const clsTruthTable& table, int row, std::string& line) {
    const std::string combo = table.TruthCombo(row);
    line = ">> ";
    for (int j = 0; j < table.nbrTerms(); ++j) {
        if (j > 0) line += ", ";
        line += table.Term(j);
        line += combo[j] == 'T' ? " is true" : " is false";
    }
    return line;
}

// ">> exists x (Px and not Qx), (Pa) is true"
const std::string& FormulaCase(const clsTruthTable& table, int row, Mode mode, std::string& line) {
    line = ">> ";
    for (int c = 0; c < table.nbrTerms(); ++c) {
        if (c > 0) line += ", ";
        AppendCell(line, table, row, c, mode);
        if (c >= table.nbrIntTerms()) line += " is true";
    }
    return line;
}

// The first column after ">> ", each further one on a line of its own after "     and ".
CaseText EnglishCase(const clsTruthTable& table, int row, const Lexicon& lexicon,
                     UserPrompts& prompts) {
    CaseText lines;
    std::string line = ">> ";
    for (int c = 0; c < table.nbrTerms(); ++c) {
        if (c > 0) {
            lines.push_back(line + ",");
            line = "     and ";
        }
        line += DescribeCellEnglish(table, row, c, lexicon, prompts);
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

CaseText DescribeCase(const clsTruthTable& table, int row, Mode layout, const Lexicon& lexicon,
                      UserPrompts& prompts) {
    std::string line;
    switch (layout) {
        case Mode::Propositional:
            return {PropositionalCase(table, row, line)};
        case Mode::Natural:
            return EnglishCase(table, row, lexicon, prompts);
        case Mode::Predicate:
        case Mode::SetTheory:
            return {FormulaCase(table, row, layout, line)};
    }
    return {};
}

std::vector<CaseText> DescribeFailingCases(const clsTruthTable& comparison, const Lexicon& lexicon,
                                           UserPrompts& prompts) {
    const std::string_view values = comparison.TruthValues();
    std::vector<CaseText> cases;
    std::string scratch;
    cases.reserve(static_cast<size_t>(std::count(values.begin(), values.end(), 'F')));
    for (int row = 0; row < comparison.nbrTruthCombos(); ++row) {
        if (values[row] != 'F') continue;
        // The table's own mode decides the layout: its rows are written in that mode's form.
        switch (comparison.mode()) {
            case Mode::Propositional:
                cases.emplace_back().push_back(PropositionalCase(comparison, row, scratch));
                break;
            case Mode::Natural:
                cases.push_back(EnglishCase(comparison, row, lexicon, prompts));
                break;
            case Mode::Predicate:
            case Mode::SetTheory:
                cases.emplace_back().push_back(
                    FormulaCase(comparison, row, comparison.mode(), scratch));
                break;
        }
    }
    return cases;
}

}  // namespace deducto
