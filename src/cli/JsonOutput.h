// The checker's report as one JSON object, for programs: the file, the mode, every Premise and
// Conclusion line of the file with what reading it gave (Polish string, token list, error
// and its position, scope warning, truth table), the verdict, the failing cases and every
// message the run would have shown.
#pragma once

#include <functional>
#include <ostream>
#include <string_view>

#include "ExplainReport.h"
#include "RunCheck.h"
#include "StepOutput.h"

namespace deducto::cli {

// The version of the JSON contract that every object the checker prints carries as
// "schema"; data/schema/deducto-check.schema.json describes it.
inline constexpr int kJsonSchemaVersion = 1;

// Members a caller adds at the end of the report object (the grade of a grading run).
using ExtraMembers = std::function<void(JsonWriter&)>;

// Writes the report to `out`, ending with a newline.
void WriteReportJson(std::ostream& out, const CheckReport& report, const ArgumentFile& argument,
                     std::string_view file, const Explained& explained = {},
                     const StepRequest& steps = {}, const ExtraMembers& extra = {});

}  // namespace deducto::cli
