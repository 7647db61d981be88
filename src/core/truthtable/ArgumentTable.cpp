#include "truthtable/ArgumentTable.h"

#include <bit>
#include <memory>

#include "Lines.h"
#include "Options.h"
#include "Progress.h"
#include "ReadLine.h"
#include "formula/Operators.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

int CountRows(const std::vector<std::uint64_t>& bits) {
    int count = 0;
    for (const std::uint64_t word : bits) count += std::popcount(word);
    return count;
}

std::string Sentence(int counterexamples, int premisesTrue) {
    if (premisesTrue == 0) return kPremisesInconsistentSentence;
    if (counterexamples == 0) return kConclusionTrueSentence;
    if (counterexamples == premisesTrue) return kConclusionFalseSentence;
    return SomeRowsFailSentence(counterexamples, premisesTrue);
}

// Every world over the terms of the lines' tables: their conjunction, never simplified.
// With `steps` the tables are built again with every column, for the sub-formulas' terms.
Status BuildWorlds(const ArgumentLines& lines, Mode mode, bool steps, Computation& work,
                   std::vector<std::shared_ptr<const clsTruthTable>>& tables,
                   std::shared_ptr<const clsTruthTable>& worlds) {
    Options every;
    every.eliminateUnneeded = false;
    for (const int k : kReadingOrder) {
        const ArgumentLine& line = lines[static_cast<std::size_t>(k)];
        std::shared_ptr<const clsTruthTable> table = line.table;
        if (table && steps) {
            LineTable built = BuildLineTable(line.PolishStr, mode, every, work);
            if (!built.status.ok()) return built.status;
            table = std::move(built.table);
        }
        tables[static_cast<std::size_t>(k)] = table;
        if (!table) continue;
        if (!worlds) {
            worlds = table;
            continue;
        }
        auto joined = std::make_shared<clsTruthTable>(mode);
        Status status = joined->generateFromBinary(*worlds, *table, op::kAnd, false, work);
        if (!status.ok()) return status;
        if (work.CheckCancel()) return Status::Cancelled();
        worlds = std::move(joined);
    }
    return {};
}

}  // namespace

std::string SomeRowsFailSentence(int n, int m) {
    return "In " + std::to_string(n) + " of the " + std::to_string(m) +
           " rows where all premises are true the conclusion is false.";
}

ArgumentTable BuildArgumentTable(const ArgumentLines& lines, Mode mode, bool steps,
                                 Computation& work) {
    ArgumentTable out;
    out.rows.mode = mode;
    std::vector<std::shared_ptr<const clsTruthTable>> tables(kLineCount);
    if (mode == Mode::Propositional) {
        for (const ArgumentLine& line : lines) {
            if (line.table) AddLetters(line.PolishStr, out.rows.letters);
        }
        if (static_cast<int>(out.rows.letters.size()) > kMaxPropositionalTerms) {
            out.status = Status::Limit(kTooManyRowsMessage);
            return out;
        }
        out.rows.count = 1 << out.rows.letters.size();
    } else {
        std::shared_ptr<const clsTruthTable> worlds;
        out.status = BuildWorlds(lines, mode, steps, work, tables, worlds);
        if (!out.status.ok()) return out;
        if (!worlds) {
            out.status = Status::Internal("Impossible error: an argument without a conclusion");
            return out;
        }
        out.rows.count = worlds->nbrTruthCombos();
        out.rows.worlds = std::move(worlds);
    }

    std::vector<std::uint64_t> premises = NoRows(out.rows.count);
    for (std::uint64_t& word : premises) word = ~std::uint64_t{0};
    if (out.rows.count % 64 != 0)
        premises.back() &= (std::uint64_t{1} << (out.rows.count % 64)) - 1;
    for (const int k : kReadingOrder) {
        const ArgumentLine& line = lines[static_cast<std::size_t>(k)];
        if (!line.table) continue;
        ArgumentLineColumns columns{k, LineName(k), {}};
        out.status = FormulaColumns(line.PolishStr, line.tokens, out.rows, steps, work,
                                    columns.columns, tables[static_cast<std::size_t>(k)].get());
        if (!out.status.ok()) return out;
        const std::vector<std::uint64_t>& value = columns.columns.back().bits;
        if (k != 0) {
            for (std::size_t w = 0; w < premises.size(); ++w) premises[w] &= value[w];
        } else {
            out.counterexample = premises;
            for (std::size_t w = 0; w < premises.size(); ++w) out.counterexample[w] &= ~value[w];
        }
        out.lines.push_back(std::move(columns));
    }
    if (out.counterexample.empty()) {
        out.status = Status::Internal("Impossible error: an argument without a conclusion");
        return out;
    }
    out.premisesTrue = std::move(premises);
    out.premisesTrueRows = CountRows(out.premisesTrue);
    out.counterexampleRows = CountRows(out.counterexample);
    out.sentence = Sentence(out.counterexampleRows, out.premisesTrueRows);
    return out;
}

}  // namespace deducto
