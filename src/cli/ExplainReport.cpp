#include "ExplainReport.h"

#include <algorithm>
#include <array>

#include "Grade.h"
#include "Lines.h"
#include "Notation.h"
#include "natural/WorldWords.h"
#include "truthtable/FailingWorld.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::cli {

namespace {

// Regions are listed one by one for as many predicates as a diagram shows.
constexpr int kListedPredicates = 4;

std::string ValueName(char value) { return value == 'T' ? "true" : "false"; }

std::string CellName(Region cell, const CheckReport& report) {
    return report.mode == Mode::Natural ? CellWords(cell, report.lexicon) : DisplayRegion(cell);
}

std::string IndividualName(char letter, const CheckReport& report) {
    return report.mode == Mode::Natural ? IndividualWords(letter, report.lexicon)
                                        : std::string(1, letter);
}

std::vector<std::string> IndividualsIn(Region cell, const World& world, const CheckReport& report) {
    std::vector<std::string> names;
    for (const Individual& individual : world.individuals) {
        if (individual.cell == cell) names.push_back(IndividualName(individual.letter, report));
    }
    return names;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

}  // namespace

Explained Explain(const CheckReport& report, bool explanation, bool world) {
    Explained explained;
    explained.explainAsked = explanation;
    explained.worldAsked = world;
    const Evaluation& evaluation = report.evaluation;
    if (!explanation && !world) return explained;
    if (report.result != RunResult::Evaluated || !evaluation.status.ok()) return explained;

    std::vector<PremiseTable> premises;
    const clsTruthTable* conclusion = nullptr;
    for (const LineReport& line : report.lines) {
        if (!line.table) continue;
        if (line.input.index == 0) {
            conclusion = line.table.get();
        } else {
            premises.push_back({line.input.index, line.table.get()});
        }
    }
    std::sort(premises.begin(), premises.end(),
              [](const PremiseTable& a, const PremiseTable& b) { return a.line < b.line; });

    if (explanation && conclusion != nullptr) {
        Computation work;  // nobody can cancel it
        explained.explanation = ExplainVerdict(premises, *conclusion, evaluation.verdict, work);
    }
    if (world && evaluation.doesNotFollow()) {
        std::array<LineFormula, kLineCount> formulas;
        for (const LineReport& line : report.lines) {
            formulas[line.input.index] = {line.outcome.parse.PolishStr, line.table.get()};
        }
        FailingWorldResult failing = FailingWorld(formulas, *evaluation.comparisonTable, 0);
        explained.cases = failing.cases;
        explained.error = failing.status.message;
        explained.world = std::move(failing.world);
        if (explained.world) {
            for (const LineReport& line : report.lines) {
                if (!line.table) continue;
                explained.lines.push_back({line.input.index, failing.values[line.input.index],
                                           DisplayFormula(line.outcome.parse.tokenList)});
            }
        }
    }
    return explained;
}

std::string ExplanationLine(const Explained& explained) {
    if (!explained.explanation.status.ok()) return explained.explanation.status.message;
    return ExplanationText(explained.explanation);
}

std::vector<std::string> WorldText(const CheckReport& report, const Explained& explained) {
    std::vector<std::string> text;
    if (!explained.error.empty()) return {explained.error};
    if (!explained.world) return text;
    const World& world = *explained.world;
    text.push_back("The first case in which the conclusion fails (1 of " +
                   std::to_string(explained.cases) + "), as a world:");
    if (world.mode == Mode::Propositional) {
        std::vector<std::string> values;
        for (const char letter : world.letters) {
            const bool open = world.openLetters.find(letter) != std::string::npos;
            const bool isTrue = world.trueLetters.find(letter) != std::string::npos;
            values.push_back(std::string(1, letter) + " is " + (isTrue ? "true" : "false") +
                             (open ? " (either)" : ""));
        }
        text.push_back("    " + Joined(values));
    } else {
        const std::uint32_t predicates = WorldFrame{world.mode, world.letters, {}}.predicates();
        const bool listAll = static_cast<int>(world.letters.size()) <= kListedPredicates;
        for (const Region cell : listAll ? AllCells(predicates) : world.inhabited) {
            std::string state = "none";
            if (world.IsInhabited(cell)) {
                const std::vector<std::string> names = IndividualsIn(cell, world, report);
                state = names.empty() ? "inhabited" : "inhabited by " + Joined(names);
            }
            text.push_back("    " + CellName(cell, report) + ": " + state);
        }
        if (!listAll) text.push_back("    every other region: none");
    }
    for (const WorldLine& line : explained.lines) {
        text.push_back("    " + LineName(line.index) + " is " + ValueName(line.value) + ": " +
                       line.text);
    }
    return text;
}

void WriteWorldMembers(JsonWriter& json, const World& world, const CheckReport& report) {
    if (world.mode == Mode::Propositional) {
        json.Key("true");
        json.BeginArray();
        for (const char letter : world.trueLetters) json.String(std::string(1, letter));
        json.EndArray();
        json.Key("false");
        json.BeginArray();
        for (const char letter : world.letters) {
            if (world.trueLetters.find(letter) == std::string::npos)
                json.String(std::string(1, letter));
        }
        json.EndArray();
        json.Key("either");  // letters the case leaves open; false here
        json.BeginArray();
        for (const char letter : world.openLetters) json.String(std::string(1, letter));
        json.EndArray();
    } else {
        json.Key("predicates");
        json.BeginArray();
        for (const char letter : world.letters) json.String(std::string(1, letter));
        json.EndArray();
        json.Key("inhabited");  // every other region is empty
        json.BeginArray();
        for (const Region cell : world.inhabited) {
            json.BeginObject();
            json.Key("region");
            json.String(RegionString(cell));
            json.Key("name");
            json.String(CellName(cell, report));
            json.Key("individuals");
            json.BeginArray();
            for (const Individual& individual : world.individuals) {
                if (individual.cell == cell) json.String(std::string(1, individual.letter));
            }
            json.EndArray();
            json.EndObject();
        }
        json.EndArray();
    }
}

void WriteExplainedJson(JsonWriter& json, const CheckReport& report, const Explained& explained) {
    json.Key("explanation");
    const Explanation& explanation = explained.explanation;
    if (explanation.found()) {
        json.BeginObject();
        json.Key("verdict");
        json.String(VerdictText(explanation.verdict));
        json.Key("verdictCode");
        json.String(VerdictCode(explanation.verdict));
        json.Key("premises");
        json.BeginArray();
        for (const int line : explanation.premises) json.Int(line);
        json.EndArray();
        json.Key("text");
        json.String(ExplanationText(explanation));
        json.EndObject();
    } else {
        json.Null();
    }
    json.Key("world");
    if (!explained.world) {
        json.Null();
        return;
    }
    const World& world = *explained.world;
    json.BeginObject();
    json.Key("cases");
    json.Int(explained.cases);
    WriteWorldMembers(json, world, report);
    json.Key("lines");
    json.BeginArray();
    for (const WorldLine& line : explained.lines) {
        json.BeginObject();
        json.Key("index");
        json.Int(line.index);
        json.Key("value");
        json.String(std::string(1, line.value));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace deducto::cli
