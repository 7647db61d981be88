#include "Grade.h"

#include "RunCheck.h"

namespace deducto::cli {

std::string OutcomeName(const CheckReport& report) {
    switch (report.result) {
        case RunResult::Evaluated:
            return VerdictShortName(report.verdict);
        case RunResult::LineFailed:
            return "not evaluated (a line could not be read)";
        case RunResult::LimitReached:
            return "not evaluated (a limit was reached)";
        case RunResult::InternalError:
            return "not evaluated (an internal check failed)";
    }
    return "";
}

Grade GradeOf(const CheckReport& report, std::optional<Verdict> expected) {
    if (!expected) return {false, "no Expect line to grade against"};
    if (report.result == RunResult::Evaluated && report.verdict == *expected) return {true, "ok"};
    return {false, "wrong: expected " + std::string(VerdictShortName(*expected)) + ", got " +
                       OutcomeName(report)};
}

}  // namespace deducto::cli
