#include "JsonOutput.h"

#include <array>
#include <string>
#include <utility>

#include "Grade.h"
#include "Json.h"
#include "Notation.h"
#include "truthtable/clsTruthTable.h"

namespace deducto::cli {

namespace {

const char* ResultName(RunResult result) {
    switch (result) {
        case RunResult::Evaluated:
            return "evaluated";
        case RunResult::LineFailed:
            return "line failed";
        case RunResult::LimitReached:
            return "limit reached";
        case RunResult::InternalError:
            return "internal error";
    }
    return "";
}

void StringOrNull(JsonWriter& json, const std::string& text) {
    if (text.empty()) {
        json.Null();
    } else {
        json.String(text);
    }
}

void WriteRows(JsonWriter& json, const clsTruthTable& table) {
    json.PlainStringArray(
        table.nbrTruthCombos(), table.MaxTruthComboLength(),
        [&table, row = 0](char* at) mutable { return table.WriteTruthCombo(row++, at); });
}

// Writes line tables. A propositional table's rows depend on its number of letters alone,
// so the text of their array is made once per size and given again for each table of that
// size (an argument's tables often share all their letters).
class TableWriter {
public:
    void Write(JsonWriter& json, const clsTruthTable& table) {
        json.BeginObject();
        json.Key("terms");
        json.BeginArray();
        for (int j = 0; j < table.nbrTerms(); ++j) json.String(table.Term(j));
        json.EndArray();
        json.Key("internalTerms");
        json.Int(table.nbrIntTerms());
        json.Key("rows");
        if (table.mode() == Mode::Propositional) {
            std::string& rows = propositionalRows_[static_cast<size_t>(table.nbrTerms())];
            if (rows.empty()) {
                // Made at its final size: a text this large that grew by doubling would
                // cost the process more fresh pages than writing it.
                const size_t count = static_cast<size_t>(table.nbrTruthCombos());
                JsonWriter text;
                text.Reserve(count * (static_cast<size_t>(table.nbrTerms()) + 3) + 2);
                WriteRows(text, table);
                rows = std::move(text).TakeText();
            }
            json.Raw(rows);
        } else {
            WriteRows(json, table);
        }
        json.Key("values");
        json.CharStringArray(table.TruthValues());
        json.EndObject();
    }

private:
    std::array<std::string, kMaxPropositionalTerms + 1> propositionalRows_;
};

void WriteTerm(JsonWriter& json, const LangTerm& term) {
    json.BeginObject();
    json.Key("letter");
    StringOrNull(json, term.Letter ? std::string(1, term.Letter) : std::string());
    json.Key("kind");
    json.String(KindName(term.Kind));
    const std::pair<const char*, const std::string*> forms[] = {
        {"singular", &term.Singular},         {"plural", &term.Plural},
        {"negSingular", &term.NegSingular},   {"negPlural", &term.NegPlural},
        {"compSingular", &term.CompSingular}, {"compPlural", &term.CompPlural}};
    for (const auto& [key, form] : forms) {
        json.Key(key);
        StringOrNull(json, *form);
    }
    json.EndObject();
}

void WriteLine(JsonWriter& json, const LineReport& line, TableWriter& tables, Mode mode,
               bool steps) {
    const LineOutcome& outcome = line.outcome;
    const ParseResult& parse = outcome.parse;
    json.BeginObject();
    json.Key("index");
    json.Int(line.input.index);
    json.Key("text");
    json.String(line.input.text);
    json.Key("formula");  // what went to the parser: the translation in the worded modes
    StringOrNull(json, outcome.formulaText);
    json.Key("polish");
    StringOrNull(json, parse.PolishStr);
    json.Key("tokens");
    StringOrNull(json, parse.tokenList);
    json.Key("display");
    StringOrNull(json, outcome.ok() ? DisplayFormula(parse.tokenList) : std::string());
    json.Key("error");
    if (line.failed()) {
        json.String(parse.parseErrMsg.empty() ? outcome.message : parse.parseErrMsg);
    } else if (line.limited() || line.faulty()) {
        json.String(outcome.message);
    } else {
        json.Null();
    }
    json.Key("errorPos");
    if (outcome.unread()) {
        json.Int(outcome.markCharacter());
    } else {
        json.Null();
    }
    json.Key("scopeWarning");
    StringOrNull(json, parse.scopeWarning);
    json.Key("table");
    if (line.table) {
        tables.Write(json, *line.table);
    } else {
        json.Null();
    }
    if (steps) WriteStepsJson(json, line, mode);
    json.EndObject();
}

}  // namespace

void WriteReportJson(std::ostream& out, const CheckReport& report, const ArgumentFile& argument,
                     std::string_view file, const Explained& explained, const StepRequest& steps,
                     const ExtraMembers& extra) {
    JsonWriter json(&out);
    json.BeginObject();
    json.Key("schema");
    json.Int(kJsonSchemaVersion);
    json.Key("file");
    json.String(file);
    json.Key("mode");
    json.String(ModeName(report.mode));
    json.Key("status");
    json.String(ResultName(report.result));
    json.Key("lines");
    json.BeginArray();
    TableWriter tables;
    for (const LineReport& line : report.lines) {
        WriteLine(json, line, tables, report.mode, steps.steps);
    }
    json.EndArray();
    json.Key("verdict");
    StringOrNull(json, VerdictText(report.verdict));
    json.Key("verdictCode");
    StringOrNull(json, VerdictCode(report.verdict));
    json.Key("details");
    json.BeginArray();
    for (const CaseText& failing : report.details) {
        for (const std::string& line : failing) json.String(line);
    }
    json.EndArray();
    json.Key("messages");
    json.StringArray(report.messages);
    json.Key("terms");  // as given in the file
    json.BeginArray();
    for (const TermLine& term : argument.terms) {
        json.BeginObject();
        json.Key("kind");
        json.String(term.kind);
        json.Key("text");
        json.String(term.text);
        json.EndObject();
    }
    json.EndArray();
    json.Key("lexicon");  // every term at the end of the run, predefined or inferred
    json.BeginArray();
    for (const LangTerm& term : report.lexicon) WriteTerm(json, term);
    json.EndArray();
    WriteExplainedJson(json, report, explained);
    if (steps.argumentTable) WriteArgumentTableJson(json, report, steps.steps);
    if (extra) extra(json);
    json.EndObject();
    json.Finish();
    out << '\n';
}

}  // namespace deducto::cli
