// The checker's report as one JSON object, for programs: the file, the mode, every Premise and
// Conclusion line of the file with what reading it gave (Polish string, token list, error
// and its position, scope warning, truth table), the verdict, the failing cases and every
// message the run would have shown.
#pragma once

#include <ostream>
#include <string_view>

#include "ExplainReport.h"
#include "RunCheck.h"
#include "StepOutput.h"

namespace deducto::cli {

// Writes the report to `out`, ending with a newline.
void WriteReportJson(std::ostream& out, const CheckReport& report, const ArgumentFile& argument,
                     std::string_view file, const Explained& explained = {},
                     const StepRequest& steps = {});

}  // namespace deducto::cli
