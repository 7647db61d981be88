// The checker's step tables (--steps with --table) and argument table (--argument-table), in
// the table formats and in JSON. They are worked out from the report's lines here, when asked
// for, by the same engine steps the windows call.
#pragma once

#include <string>

#include "Json.h"
#include "RunCheck.h"
#include "truthtable/ArgumentTable.h"
#include "truthtable/TableExport.h"

namespace deducto::cli {

struct StepRequest {
    bool steps = false;          // every table brings its step columns
    bool argumentTable = false;  // the argument table is printed
};

// The step table of a line that has a table, in `format`; on a limit, its message alone
// (and `ok` false).
[[nodiscard]] std::string StepTableText(const LineReport& line, Mode mode, const Options& options,
                                        TableFormat format, bool& ok);

// The argument table in `format`, or why there is none (and `ok` false).
[[nodiscard]] std::string ArgumentTableText(const CheckReport& report, bool steps,
                                            TableFormat format, bool& ok);

// The argument table of an evaluated report.
[[nodiscard]] ArgumentTable ArgumentTableOf(const CheckReport& report, bool steps);

// "steps" of one line (after its "table").
void WriteStepsJson(JsonWriter& json, const LineReport& line, Mode mode);
// "argumentTable" of the report: null when the argument was not evaluated.
void WriteArgumentTableJson(JsonWriter& json, const CheckReport& report, bool steps);

}  // namespace deducto::cli
