// How a long piece of engine work ended. Errors are values: the engine never throws and
// never shows anything itself; the caller decides what the user sees.
#pragma once

#include <string>

namespace deducto {

enum class Outcome { Done, Cancelled, LimitReached };

struct Status {
    Outcome outcome = Outcome::Done;
    std::string message;  // for LimitReached: what was too large, in the user's words

    [[nodiscard]] bool ok() const { return outcome == Outcome::Done; }
    static Status Cancelled() { return {Outcome::Cancelled, {}}; }
    static Status Limit(std::string text) { return {Outcome::LimitReached, std::move(text)}; }
};

}  // namespace deducto
