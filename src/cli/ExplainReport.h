// What --explain and --world add to a checked argument: the smallest set of premises that
// gives the verdict, and the first case in which the conclusion fails drawn as a world,
// with every line's value there. Each value read from a line's table is checked against
// the line's formula evaluated directly in the world.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Json.h"
#include "RunCheck.h"
#include "truthtable/World.h"
#include "truthtable/modExplain.h"

namespace deducto::cli {

struct WorldLine {
    int index = 0;     // 0 the conclusion, 1 to 8 the premises
    char value = 0;    // 'T' or 'F'
    std::string text;  // the line in logical notation
};

struct Explained {
    bool explainAsked = false;
    bool worldAsked = false;
    Explanation explanation;       // verdict None when the verdict has no explanation
    std::optional<World> world;    // the first failing case
    int cases = 0;                 // failing cases in all
    std::vector<WorldLine> lines;  // in file order
    std::string error;             // why no world could be given
};

[[nodiscard]] Explained Explain(const CheckReport& report, bool explanation, bool world);

// The sentence under the verdict; empty when there is none.
[[nodiscard]] std::string ExplanationLine(const Explained& explained);
// The world as text lines, for the report; empty when there is none.
[[nodiscard]] std::vector<std::string> WorldText(const CheckReport& report,
                                                 const Explained& explained);
// A world's own members in the JSON report: the letters' values, or the inhabited regions.
void WriteWorldMembers(JsonWriter& json, const World& world, const CheckReport& report);
// The "explanation" and "world" members of the JSON report.
void WriteExplainedJson(JsonWriter& json, const CheckReport& report, const Explained& explained);

}  // namespace deducto::cli
