// How a long piece of engine work ended. Errors are values: the engine never throws and
// never shows anything itself; the caller decides what the user sees.
#pragma once

#include <string>

namespace deducto {

// What the user is shown when a consistency check of the engine fails.
inline constexpr const char* kImpossibleError = "Impossible error";

enum class Outcome {
    Done,
    Cancelled,      // the user pressed "&Cancel"
    LimitReached,   // the work is larger than the engine handles; message says which limit
    InternalError,  // a consistency check failed: a fault of the program, not of the input
};

struct Status {
    Outcome outcome = Outcome::Done;
    std::string message;  // LimitReached and InternalError: the text to show

    [[nodiscard]] bool ok() const { return outcome == Outcome::Done; }
    static Status Cancelled() { return {Outcome::Cancelled, {}}; }
    static Status Limit(std::string text) { return {Outcome::LimitReached, std::move(text)}; }
    static Status Internal(std::string text) { return {Outcome::InternalError, std::move(text)}; }
};

}  // namespace deducto
