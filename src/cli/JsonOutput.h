// The checker's report as one JSON object, for programs: the file, the mode, every Premise and
// Conclusion line of the file with what reading it gave (Polish string, token list, error
// and its position, scope warning, truth table), the verdict, the failing cases and every
// message the run would have shown.
#pragma once

#include <string>
#include <string_view>

#include "Check.h"

namespace deducto::cli {

[[nodiscard]] std::string ReportJson(const CheckReport& report, const ArgumentFile& argument,
                                     std::string_view file);

}  // namespace deducto::cli
