// Spacing: trimming with the default and given blanks, and the single spacing of sentences
// and term forms.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/Spacing.h"

namespace deducto {
namespace {

struct Trimming {
    const char* name;
    const char* text;
    const char* blanks;
    const char* trimmed;
};
void PrintTo(const Trimming& row, std::ostream* os) { *os << row.name; }

class TrimRemoves : public testing::TestWithParam<Trimming> {};

TEST_P(TrimRemoves, BlanksAtEitherEndOnly) {
    const Trimming& t = GetParam();
    EXPECT_EQ(Trim(t.text, t.blanks), t.trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrimRemoves,
    testing::Values(Trimming{"Empty", "", " ", ""}, Trimming{"OnlySpaces", "   ", " ", ""},
                    Trimming{"BothEnds", "  p and q ", " ", "p and q"},
                    Trimming{"InsideKept", "p   q", " ", "p   q"},
                    Trimming{"TabsNotBlankByDefault", "\tp ", " ", "\tp"},
                    Trimming{"TabsWhenTold", " \tp\t\r", " \t\r", "p"},
                    Trimming{"AccentedEnds", " \u00e9t\u00e9 ", " ", "\u00e9t\u00e9"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Spacing {
    const char* name;
    const char* text;
    bool keepEnds;
    const char* normalised;
};
void PrintTo(const Spacing& row, std::ostream* os) { *os << row.name; }

class NormaliseSpacingGives : public testing::TestWithParam<Spacing> {};

TEST_P(NormaliseSpacingGives, SingleSpacesAndNoneBeforePunctuation) {
    const Spacing& s = GetParam();
    EXPECT_EQ(NormaliseSpacing(s.text, s.keepEnds), s.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormaliseSpacingGives,
    testing::Values(Spacing{"Empty", "", false, ""}, Spacing{"OnlySpaces", "   ", false, ""},
                    Spacing{"OnlySpacesKeptAsOne", "   ", true, " "},
                    Spacing{"Sentence", "  all  men ,  are   mortal  . ", false,
                            "all men, are mortal."},
                    Spacing{"EndsShrunkToOne", "  wise  man  ", true, " wise man "},
                    Spacing{"SpaceBeforeFullStopAtTheEnd", "mortal .", false, "mortal."},
                    Spacing{"PunctuationRun", "a , , .", false, "a,,."},
                    Spacing{"TabsAreNotSpaces", "a\t\tb", false, "a\t\tb"},
                    Spacing{"Cyrillic", "\u0451\u0436   \u0438  \u043b\u0435\u0441 .", false,
                            "\u0451\u0436 \u0438 \u043b\u0435\u0441."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NormaliseSpacing, ALongRunOfSpacesTakesLinearTime) {
    const std::string spaces(1'000'000, ' ');
    EXPECT_EQ(NormaliseSpacing("a" + spaces + "b"), "a b");
}

}  // namespace
}  // namespace deducto
