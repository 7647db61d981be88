#include "StepOutput.h"

#include "Progress.h"
#include "truthtable/ArgumentTable.h"
#include "truthtable/StepExport.h"
#include "truthtable/StepTable.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::cli {

namespace {

constexpr const char* kNotEvaluated = "The argument was not evaluated, so it has no table.";

StepTable LineSteps(const LineReport& line, Mode mode) {
    // Nobody can cancel here.
    Computation work;
    return BuildStepTable(line.outcome.parse.PolishStr, line.outcome.parse.tokenList, mode, work,
                          nullptr);
}

}  // namespace

ArgumentTable ArgumentTableOf(const CheckReport& report, bool steps) {
    ArgumentLines lines;
    for (const LineReport& line : report.lines) {
        if (!line.table) continue;
        ArgumentLine& slot = lines[static_cast<std::size_t>(line.input.index)];
        slot.table = line.table;
        slot.tokens = line.outcome.parse.tokenList;
        slot.PolishStr = line.outcome.parse.PolishStr;
    }
    Computation work;
    return BuildArgumentTable(lines, report.mode, steps, work);
}

namespace {

void WriteColumnJson(JsonWriter& json, const StepColumn& column, int rows) {
    json.BeginObject();
    json.Key("formula");
    json.String(column.keywords);
    json.Key("polish");
    json.String(column.PolishStr);
    json.Key("values");
    std::string values(static_cast<std::size_t>(rows), 'F');
    for (int i = 0; i < rows; ++i) {
        if (column.Value(i)) values[static_cast<std::size_t>(i)] = 'T';
    }
    json.String(values);
    json.EndObject();
}

}  // namespace

std::string StepTableText(const LineReport& line, Mode mode, const Options& options,
                          TableFormat format, bool& ok) {
    const StepTable table = LineSteps(line, mode);
    ok = table.status.ok();
    if (!ok) return table.status.message + '\n';
    return ExportStepTable(table, options, format);
}

std::string ArgumentTableText(const CheckReport& report, bool steps, TableFormat format, bool& ok) {
    ok = false;
    if (report.result != RunResult::Evaluated) return std::string(kNotEvaluated) + '\n';
    const ArgumentTable table = ArgumentTableOf(report, steps);
    if (!table.status.ok()) return table.status.message + '\n';
    ok = true;
    return ExportArgumentTable(table, format);
}

void WriteStepsJson(JsonWriter& json, const LineReport& line, Mode mode) {
    json.Key("steps");
    if (!line.table) {
        json.Null();
        return;
    }
    const StepTable table = LineSteps(line, mode);
    if (!table.status.ok()) {
        json.Null();
        json.Key("stepsError");
        json.String(table.status.message);
        return;
    }
    json.BeginArray();
    for (const StepColumn& column : table.steps) WriteColumnJson(json, column, table.rows.count);
    json.EndArray();
}

void WriteArgumentTableJson(JsonWriter& json, const CheckReport& report, bool steps) {
    json.Key("argumentTable");
    if (report.result != RunResult::Evaluated) {
        json.Null();
        return;
    }
    const ArgumentTable table = ArgumentTableOf(report, steps);
    if (!table.status.ok()) {
        json.Null();
        json.Key("argumentTableError");
        json.String(table.status.message);
        return;
    }
    const StepRows& rows = table.rows;
    json.BeginObject();
    json.Key("terms");
    json.BeginArray();
    if (rows.mode == Mode::Propositional) {
        for (const char letter : rows.letters) json.String(std::string(1, letter));
    } else {
        for (int j = 0; j < rows.worlds->nbrTerms(); ++j) json.String(rows.worlds->Term(j));
    }
    json.EndArray();
    json.Key("internalTerms");
    json.Int(rows.mode == Mode::Propositional ? 0 : rows.worlds->nbrIntTerms());
    json.Key("rows");
    if (rows.mode == Mode::Propositional) {
        const int n = static_cast<int>(rows.letters.size());
        json.PlainStringArray(rows.count, n, [&rows, n, row = 0](char* at) mutable {
            for (int j = 0; j < n; ++j) *at++ = rows.LetterValue(row, j) ? 'T' : 'F';
            ++row;
            return at;
        });
    } else {
        const clsTruthTable& worlds = *rows.worlds;
        json.PlainStringArray(
            worlds.nbrTruthCombos(), worlds.MaxTruthComboLength(),
            [&worlds, row = 0](char* at) mutable { return worlds.WriteTruthCombo(row++, at); });
    }
    json.Key("lines");
    json.BeginArray();
    for (const ArgumentLineColumns& line : table.lines) {
        json.BeginObject();
        json.Key("index");
        json.Int(line.line);
        json.Key("caption");
        json.String(line.caption);
        json.Key("columns");
        json.BeginArray();
        for (const StepColumn& column : line.columns) WriteColumnJson(json, column, rows.count);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.Key("marks");
    std::string marks(static_cast<std::size_t>(rows.count), '-');
    for (int i = 0; i < rows.count; ++i) {
        if (table.Counterexample(i)) {
            marks[static_cast<std::size_t>(i)] = 'C';
        } else if (table.PremisesTrue(i)) {
            marks[static_cast<std::size_t>(i)] = 'P';
        }
    }
    json.String(marks);
    json.Key("premisesTrueRows");
    json.Int(table.premisesTrueRows);
    json.Key("counterexampleRows");
    json.Int(table.counterexampleRows);
    json.Key("sentence");
    json.String(table.sentence);
    json.EndObject();
}

}  // namespace deducto::cli
