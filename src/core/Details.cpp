#include "Details.h"

#include "Session.h"
#include "natural/modEnglishDetails.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// ">> p is true, q is false"
std::string PropositionalCase(const clsTruthTable& table, int row) {
    const std::string combo = table.TruthCombo(row);
    std::string line = ">> ";
    for (int j = 0; j < table.nbrTerms(); ++j) {
        if (j > 0) line += ", ";
        line += table.Term(j) + " is " + (combo[j] == 'T' ? "true" : "false");
    }
    return line;
}

// ">> exists x (Px and not Qx), (Pa) is true"
std::string FormulaCase(const clsTruthTable& table, int row, Mode mode) {
    std::string line = ">> ";
    for (int c = 0; c < table.nbrTerms(); ++c) {
        if (c > 0) line += ", ";
        line += DescribeCell(table, row, c, mode);
        if (c >= table.nbrIntTerms()) line += " is true";
    }
    return line;
}

// The first column after ">> ", each further one on a line of its own after "     and ".
CaseText EnglishCase(const clsTruthTable& table, int row, Session& session) {
    CaseText lines;
    std::string line = ">> ";
    for (int c = 0; c < table.nbrTerms(); ++c) {
        if (c > 0) {
            lines.push_back(line + ",");
            line = "     and ";
        }
        line += DescribeCellEnglish(table, row, c, session);
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

std::string DescribeCell(const clsTruthTable& table, int row, int column, Mode mode) {
    const bool setTheory = mode == Mode::SetTheory;
    std::string text;
    if (column < table.nbrIntTerms()) {
        text = table.Inhabited(row, column) ? "exists x (" : "not exists x (";
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
        return text + ")";
    }
    const int local = column - table.nbrIntTerms();
    const char individual = table.LocalLetter(local);
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
    return text.size() > 2 ? "(" + text + ")" : text;
}

std::vector<CaseText> DescribeFailingCases(const clsTruthTable& comparison, Session& session) {
    std::vector<CaseText> cases;
    for (int row = 0; row < comparison.nbrTruthCombos(); ++row) {
        if (comparison.TruthValue(row) != 'F') continue;
        // The table's own mode decides the layout: its rows are written in that mode's form.
        switch (comparison.mode()) {
            case Mode::Propositional:
                cases.push_back({PropositionalCase(comparison, row)});
                break;
            case Mode::Natural:
                cases.push_back(EnglishCase(comparison, row, session));
                break;
            case Mode::Predicate:
            case Mode::SetTheory:
                cases.push_back({FormulaCase(comparison, row, comparison.mode())});
                break;
        }
    }
    return cases;
}

}  // namespace deducto
