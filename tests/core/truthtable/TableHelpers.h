// Building tables from typed formulas, for the engine tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ReadLine.h"
#include "Session.h"
#include "formula/modBuildPolish.h"
#include "truthtable/clsTruthTable.h"
#include "truthtable/modEvaluate.h"

namespace deducto::testing {

inline std::shared_ptr<clsTruthTable> TableOf(std::string_view text, Session& session,
                                              bool simplify = false) {
    const ParseResult parse = BuildPolish(text, session.mode);
    EXPECT_TRUE(parse.ok()) << text;
    auto table = std::make_shared<clsTruthTable>(session.mode);
    const Status status =
        table->generateFromPolish(RemoveDoubleNegations(parse.PolishStr), session.computation);
    EXPECT_TRUE(status.ok()) << text << ": " << status.message;
    if (simplify) {
        EXPECT_TRUE(table->Simplify(session.computation).ok());
    }
    return table;
}

inline std::vector<std::string> TermsOf(const clsTruthTable& table) {
    std::vector<std::string> terms;
    for (int i = 0; i < table.nbrTerms(); ++i) terms.push_back(table.Term(i));
    return terms;
}

inline std::vector<std::string> RowsOf(const clsTruthTable& table) {
    std::vector<std::string> rows;
    for (int i = 0; i < table.nbrTruthCombos(); ++i) rows.push_back(table.TruthCombo(i));
    return rows;
}

// The rows as a writer of whole tables gets them, written in place one after another. Each
// is written into a buffer marked past its end, which must stay untouched.
inline std::vector<std::string> RowsInSequence(const clsTruthTable& table) {
    std::vector<std::string> rows;
    for (int i = 0; i < table.nbrTruthCombos(); ++i) {
        const size_t length = static_cast<size_t>(table.TruthComboLength(i));
        std::string buffer(length + 8, '#');
        const char* end = table.WriteTruthCombo(i, buffer.data());
        EXPECT_EQ(end, buffer.data() + length) << "row " << i;
        EXPECT_EQ(buffer.substr(length), "########") << "row " << i;
        rows.push_back(buffer.substr(0, length));
    }
    return rows;
}

inline std::string ValuesOf(const clsTruthTable& table) {
    std::string values;
    for (int i = 0; i < table.nbrTruthCombos(); ++i) values += table.TruthValue(i);
    return values;
}

// Reads every line the way the window does (premises 1 to 8 at lines[1..], conclusion at
// lines[0]) and evaluates the argument.
inline Evaluation Evaluate(Session& session, const std::vector<std::string>& premises,
                           const std::string& conclusion) {
    auto read = [&](int line, const std::string& text) {
        if (text.empty()) return;
        const LineOutcome outcome = ReadLine(text, line, ReadKind::Edit, session);
        EXPECT_EQ(outcome.result, LineResult::Built) << text << ": " << outcome.message;
    };
    for (size_t k = 0; k < premises.size(); ++k) read(static_cast<int>(k) + 1, premises[k]);
    read(0, conclusion);
    return EvaluateArgument(session.lines, session.mode, session.computation);
}

}  // namespace deducto::testing
