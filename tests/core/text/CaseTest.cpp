// Case mapping: Latin, Greek and Cyrillic letters both ways, final sigma, the letters that
// keep their case on purpose, and text that is not UTF-8.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/Case.h"

namespace deducto {
namespace {

struct CasePair {
    const char* name;
    const char* lower;
    const char* upper;
};
void PrintTo(const CasePair& row, std::ostream* os) { *os << row.name; }

class CaseMapsBothWays : public testing::TestWithParam<CasePair> {};

TEST_P(CaseMapsBothWays, KeepingTheByteLength) {
    const CasePair& c = GetParam();
    EXPECT_EQ(ToUpper(c.lower), c.upper);
    EXPECT_EQ(ToLower(c.upper), c.lower);
    EXPECT_EQ(ToUpper(c.upper), c.upper);
    EXPECT_EQ(ToLower(c.lower), c.lower);
    EXPECT_EQ(std::string(c.upper).size(), std::string(c.lower).size());
}

INSTANTIATE_TEST_SUITE_P(
    Latin, CaseMapsBothWays,
    testing::Values(CasePair{"Ascii", "all men are mortal.", "ALL MEN ARE MORTAL."},
                    CasePair{"AcuteE", "\u00e9pique", "\u00c9PIQUE"},
                    CasePair{"Diaereses", "na\u00efve \u00fcber zo\u00eb",
                             "NA\u00cfVE \u00dcBER ZO\u00cb"},
                    CasePair{"Caron", "\u0161\u0165astn\u00fd", "\u0160\u0164ASTN\u00dd"},
                    CasePair{"UpperFirstPairs", "\u013e\u017e\u0148", "\u013d\u017d\u0147"},
                    CasePair{"YWithDiaeresis", "\u00ff", "\u0178"},
                    CasePair{"Ligature", "\u0153uvre", "\u0152UVRE"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Greek, CaseMapsBothWays,
    testing::Values(
        CasePair{"Zeus", "\u03b6\u03b5\u03cd\u03c2", "\u0396\u0395\u038e\u03a3"},
        CasePair{"Alphabet",
                 "\u03b1\u03b2\u03b3\u03b4\u03b5\u03b6\u03b7\u03b8\u03b9\u03ba\u03bb"
                 "\u03bc\u03bd\u03be\u03bf\u03c0\u03c1\u03c3\u03c4\u03c5\u03c6\u03c7"
                 "\u03c8\u03c9",
                 "\u0391\u0392\u0393\u0394\u0395\u0396\u0397\u0398\u0399\u039a\u039b"
                 "\u039c\u039d\u039e\u039f\u03a0\u03a1\u03a3\u03a4\u03a5\u03a6\u03a7"
                 "\u03a8\u03a9"},
        CasePair{"Tonos", "\u03ac\u03ad\u03ae\u03af\u03cc\u03cd\u03ce",
                 "\u0386\u0388\u0389\u038a\u038c\u038e\u038f"},
        CasePair{"Dialytika", "\u03ca\u03cb", "\u03aa\u03ab"},
        // Sigma inside a word and a final sigma in one sentence.
        CasePair{
            "SigmaAndFinalSigma",
            "\u03c3\u03bf\u03c6\u03cc\u03c2 \u03ac\u03bd\u03b8\u03c1\u03c9\u03c0\u03bf\u03c2.",
            "\u03a3\u039f\u03a6\u038c\u03a3 \u0386\u039d\u0398\u03a1\u03a9\u03a0\u039f\u03a3."},
        CasePair{"ArchaicPairs", "\u03d9\u03db\u0371\u03f8", "\u03d8\u03da\u0370\u03f7"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Cyrillic, CaseMapsBothWays,
    testing::Values(CasePair{"Yo", "\u0451\u043b\u043a\u0430", "\u0401\u041b\u041a\u0410"},
                    CasePair{"Alphabet",
                             "\u0430\u0431\u0432\u0433\u0434\u0435\u0451\u0436\u0437\u0438\u0439"
                             "\u043a\u043b\u043c\u043d\u043e\u043f\u0440\u0441\u0442\u0443\u0444"
                             "\u0445\u0446\u0447\u0448\u0449\u044a\u044b\u044c\u044d\u044e\u044f",
                             "\u0410\u0411\u0412\u0413\u0414\u0415\u0401\u0416\u0417\u0418\u0419"
                             "\u041a\u041b\u041c\u041d\u041e\u041f\u0420\u0421\u0422\u0423\u0424"
                             "\u0425\u0426\u0427\u0428\u0429\u042a\u042b\u042c\u042d\u042e\u042f"},
                    CasePair{"Ukrainian", "\u0491\u0454\u0456\u0457", "\u0490\u0404\u0406\u0407"},
                    CasePair{"Serbian", "\u0459\u045a\u0452\u045b\u045f\u0458",
                             "\u0409\u040a\u0402\u040b\u040f\u0408"},
                    CasePair{"Supplement", "\u04d1\u04e9\u0501", "\u04d0\u04e8\u0500"},
                    CasePair{"PalochkaAndOddPairs", "\u04cf\u04c2\u04ce", "\u04c0\u04c1\u04cd"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(Mixed, CaseMapsBothWays,
                         testing::Values(CasePair{
                             "ThreeScripts",
                             "zo\u00eb, \u03b6\u03b5\u03cd\u03c2 \u0438 \u0451\u0436",
                             "ZO\u00cb, \u0396\u0395\u038e\u03a3 \u0418 \u0401\u0416"}),
                         [](const auto& row) { return std::string(row.param.name); });

struct OneWay {
    const char* name;
    const char* text;
    const char* upper;
    const char* lower;
};
void PrintTo(const OneWay& row, std::ostream* os) { *os << row.name; }

class CaseMapsOneWay : public testing::TestWithParam<OneWay> {};

TEST_P(CaseMapsOneWay, AsTheLetterAllows) {
    const OneWay& c = GetParam();
    EXPECT_EQ(ToUpper(c.text), c.upper);
    EXPECT_EQ(ToLower(c.text), c.lower);
}

INSTANTIATE_TEST_SUITE_P(
    Sigma, CaseMapsOneWay,
    testing::Values(OneWay{"FinalSigmaAlone", "\u03c2", "\u03a3", "\u03c2"},
                    OneWay{"CapitalSigmaAlone", "\u03a3", "\u03a3", "\u03c3"},
                    OneWay{"SigmaStartingAWord", "\u03a3\u0391", "\u03a3\u0391", "\u03c3\u03b1"},
                    OneWay{"SigmaInsideAWord", "\u0391\u03a3\u0391", "\u0391\u03a3\u0391",
                           "\u03b1\u03c3\u03b1"},
                    OneWay{"SigmaEndingAWord", "\u0391\u03a3", "\u0391\u03a3", "\u03b1\u03c2"},
                    OneWay{"SigmaBeforeAFullStop", "\u0391\u03a3.", "\u0391\u03a3.",
                           "\u03b1\u03c2."},
                    OneWay{"SigmaBeforeASpace", "\u0391\u03a3 \u0392", "\u0391\u03a3 \u0392",
                           "\u03b1\u03c2 \u03b2"},
                    OneWay{"SigmaAfterADigit", "1\u03a3", "1\u03a3", "1\u03c3"},
                    OneWay{"SigmaAfterALatinLetter", "A\u03a3", "A\u03a3", "a\u03c2"},
                    OneWay{"SmallSigmaStays", "\u03b1\u03c3", "\u0391\u03a3", "\u03b1\u03c3"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(VariantForms, CaseMapsOneWay,
                         testing::Values(OneWay{"BetaSymbol", "\u03d0", "\u0392", "\u03d0"},
                                         OneWay{"ThetaSymbol", "\u03f4", "\u03f4", "\u03b8"},
                                         OneWay{"NoOneCharacterCapital", "\u0390\u03b0",
                                                "\u0390\u03b0", "\u0390\u03b0"}),
                         [](const auto& row) { return std::string(row.param.name); });

// Letters whose other case is a plain ASCII letter, or has no one-letter form, keep their
// case, so that no accented letter turns into a plain one and no text changes its length.
INSTANTIATE_TEST_SUITE_P(
    Unchanged, CaseMapsOneWay,
    testing::Values(OneWay{"SharpSAndSigns", "\u00df \u00f7 \u00d7", "\u00df \u00f7 \u00d7",
                           "\u00df \u00f7 \u00d7"},
                    OneWay{"DotlessAndDottedI", "\u0131 \u0130", "\u0131 \u0130", "\u0131 \u0130"},
                    OneWay{"MicroSign", "\u00b5", "\u00b5", "\u00b5"},
                    OneWay{"LongS", "\u017f", "\u017f", "\u017f"},
                    OneWay{"LatinExtendedB", "\u01c6\u0180", "\u01c6\u0180", "\u01c6\u0180"},
                    OneWay{"Armenian", "\u0561\u0531", "\u0561\u0531", "\u0561\u0531"},
                    OneWay{"Symbols", "\u2200x \u2227 \u2205", "\u2200X \u2227 \u2205",
                           "\u2200x \u2227 \u2205"},
                    OneWay{"NotUtf8", "\xff\xc3 a\xe9", "\xff\xc3 A\xe9", "\xff\xc3 a\xe9"},
                    OneWay{"TruncatedGreek", "a\xce", "A\xce", "a\xce"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto
