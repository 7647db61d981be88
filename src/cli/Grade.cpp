#include "Grade.h"

#include "ArgumentFile.h"
#include "RunCheck.h"

namespace deducto::cli {

namespace {

constexpr Verdict kVerdicts[] = {Verdict::AlwaysTrue, Verdict::DoesNotFollow, Verdict::AlwaysFalse,
                                 Verdict::PremisesFalse};

const char* ShortName(Verdict verdict) {
    switch (verdict) {
        case Verdict::AlwaysTrue:
            return "always true";
        case Verdict::DoesNotFollow:
            return "does not follow";
        case Verdict::AlwaysFalse:
            return "always false";
        case Verdict::PremisesFalse:
            return "premises inconsistent";
        case Verdict::None:
            break;
    }
    return "";
}

// A verdict as written, compared without regard to case, spacing or a final period.
std::string Comparable(std::string_view text) {
    std::string out = Normalised(text);
    while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
    return out;
}

}  // namespace

std::optional<Verdict> VerdictNamed(std::string_view text) {
    const std::string wanted = Comparable(text);
    for (const Verdict verdict : kVerdicts) {
        if (wanted == ShortName(verdict) || wanted == Comparable(VerdictText(verdict))) {
            return verdict;
        }
    }
    return std::nullopt;
}

std::string OutcomeName(const CheckReport& report) {
    switch (report.result) {
        case RunResult::Evaluated:
            return ShortName(report.verdict);
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
    return {false, "wrong: expected " + std::string(ShortName(*expected)) + ", got " +
                       OutcomeName(report)};
}

}  // namespace deducto::cli
