#include "ArgumentFileFormat.h"

namespace deducto {

namespace {

constexpr const char* kFormat[] = {
    "Mode: propositional | predicate | set theory | natural language",
    "Premise: <text>        0 to 8, in order; an empty one leaves its slot empty",
    "Conclusion: <text>     exactly one",
    "Term: <kind>: <text>   natural language only: adjective, specific noun,",
    "                       class noun or predicate; <text> is the singular, or",
    "                       every form separated by \" | \" (as the window saves",
    "                       corrected forms)",
    "Expect: <verdict>      the answer key for --grade: always true, does not",
    "                       follow, always false, premises inconsistent, or the",
    "                       verdict's full text",
};

}  // namespace

std::span<const char* const> ArgumentFileFormat() { return kFormat; }

}  // namespace deducto
