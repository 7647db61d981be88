// UTF-8: the decoder against well-formed and malformed sequences of every kind, against the
// encoder over every code point, and where validity checks, counts and boundaries land.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "text/Utf8.h"

namespace deducto {
namespace {

struct Decoding {
    const char* name;
    std::string bytes;
    char32_t code;       // when well-formed
    std::size_t length;  // 0 when malformed
};
void PrintTo(const Decoding& row, std::ostream* os) { *os << row.name; }

class DecodeUtf8Reads : public testing::TestWithParam<Decoding> {};

TEST_P(DecodeUtf8Reads, OneCharacterOrNone) {
    const Decoding& d = GetParam();
    const Utf8Character c = DecodeUtf8(d.bytes);
    EXPECT_EQ(c.length, d.length);
    if (d.length != 0) {
        EXPECT_EQ(c.code, d.code);
    }
    // A character followed by more text decodes the same.
    EXPECT_EQ(DecodeUtf8(d.bytes + "a").length, d.length);
}

INSTANTIATE_TEST_SUITE_P(
    WellFormed, DecodeUtf8Reads,
    testing::Values(Decoding{"Ascii", "A", U'A', 1}, Decoding{"Nul", std::string(1, '\0'), 0, 1},
                    Decoding{"LastAscii", "\x7F", 0x7F, 1},
                    Decoding{"SmallestTwoByte", "\xC2\x80", 0x80, 2},
                    Decoding{"EAcute", "\xC3\xA9", 0xE9, 2},
                    Decoding{"LargestTwoByte", "\xDF\xBF", 0x7FF, 2},
                    Decoding{"SmallestThreeByte", "\xE0\xA0\x80", 0x800, 3},
                    Decoding{"ForAll", "\xE2\x88\x80", 0x2200, 3},
                    Decoding{"BelowSurrogates", "\xED\x9F\xBF", 0xD7FF, 3},
                    Decoding{"AboveSurrogates", "\xEE\x80\x80", 0xE000, 3},
                    Decoding{"SmallestFourByte", "\xF0\x90\x80\x80", 0x10000, 4},
                    Decoding{"LargestCodePoint", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Malformed, DecodeUtf8Reads,
    testing::Values(Decoding{"StrayContinuation", "\x80", 0, 0},
                    Decoding{"LastContinuation", "\xBF", 0, 0},
                    Decoding{"OverlongSlashC0", "\xC0\xAF", 0, 0},
                    Decoding{"OverlongC1", "\xC1\xBF", 0, 0},
                    Decoding{"OverlongThreeByte", "\xE0\x9F\xBF", 0, 0},
                    Decoding{"OverlongFourByte", "\xF0\x8F\xBF\xBF", 0, 0},
                    Decoding{"FirstSurrogate", "\xED\xA0\x80", 0, 0},
                    Decoding{"LastSurrogate", "\xED\xBF\xBF", 0, 0},
                    Decoding{"BeyondLargestCodePoint", "\xF4\x90\x80\x80", 0, 0},
                    Decoding{"LeadF5", "\xF5\x80\x80\x80", 0, 0}, Decoding{"LeadFF", "\xFF", 0, 0},
                    Decoding{"TruncatedTwoByte", "\xC3", 0, 0},
                    Decoding{"TruncatedThreeByte", "\xE2\x88", 0, 0},
                    Decoding{"TruncatedFourByte", "\xF0\x9F\x98", 0, 0},
                    Decoding{"InterruptedByAscii", "\xE2\x41\x80", 0, 0},
                    Decoding{"InterruptedByLead", "\xC3\xC3\xA9", 0, 0},
                    Decoding{"Latin1Byte", "\xE9t\xE9", 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// The encoder and the decoder agree on every code point, each taking the bytes its range
// needs, and each encoding counts as one character.
TEST(Utf8, EveryCodePointRoundTrips) {
    std::string text;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const auto shown = static_cast<std::uint32_t>(code);
        text.clear();
        AppendUtf8(text, code);
        const std::size_t expected = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        ASSERT_EQ(text.size(), expected) << std::hex << shown;
        const Utf8Character c = DecodeUtf8(text);
        ASSERT_EQ(c.length, expected) << std::hex << shown;
        ASSERT_EQ(c.code, code);
        ASSERT_EQ(CharacterCount(text), 1);
        ASSERT_FALSE(FirstInvalidUtf8(text));
    }
}

TEST(Utf8, DecodesAtAnOffset) {
    const std::string text = "a\xC3\xA9\xE2\x88\x80";  // aé∀
    EXPECT_EQ(DecodeUtf8(text, 1).code, 0xE9u);
    EXPECT_EQ(DecodeUtf8(text, 3).code, 0x2200u);
    EXPECT_FALSE(DecodeUtf8(text, 2).ok());  // the middle of é
    EXPECT_FALSE(DecodeUtf8(text, text.size()).ok());
    EXPECT_FALSE(DecodeUtf8(text.substr(0, 5), 3).ok());  // ∀ cut short by the text's end
}

struct Validity {
    const char* name;
    std::string text;
    std::optional<std::size_t> firstInvalid;
};
void PrintTo(const Validity& row, std::ostream* os) { *os << row.name; }

class FirstInvalidUtf8Finds : public testing::TestWithParam<Validity> {};

TEST_P(FirstInvalidUtf8Finds, TheFirstBadByte) {
    EXPECT_EQ(FirstInvalidUtf8(GetParam().text), GetParam().firstInvalid);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FirstInvalidUtf8Finds,
    testing::Values(Validity{"Empty", "", std::nullopt},
                    Validity{"Ascii", "Premise: p and q\nConclusion: p\n", std::nullopt},
                    Validity{"Mixed", "\xEF\xBB\xBFz\xC3\xB6\xE2\x88\x80\xF0\x9F\x98\x80",
                             std::nullopt},
                    Validity{"Latin1", "Premise: caf\xE9 au lait", 12},
                    Validity{"AfterGoodCharacters", "\xC3\xA9\xC3\xA9\x80", 4},
                    Validity{"TruncatedAtTheEnd", "ab\xE2\x88", 2},
                    Validity{"SurrogateInTheMiddle", "x\xED\xA0\x80y", 1},
                    Validity{"OverlongNul", "ok\xC0\x80", 2},
                    Validity{"FirstOfTwo", "\xFF\xFE", 0}),
    [](const auto& row) { return std::string(row.param.name); });

struct Counting {
    const char* name;
    std::string text;
    int characters;
};
void PrintTo(const Counting& row, std::ostream* os) { *os << row.name; }

class CharacterCountGives : public testing::TestWithParam<Counting> {};

TEST_P(CharacterCountGives, OnePerCharacter) {
    EXPECT_EQ(CharacterCount(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterCountGives,
                         testing::Values(Counting{"Empty", "", 0}, Counting{"Ascii", "p and q", 7},
                                         Counting{"TwoByte", "\xC3\xA9pique", 6},
                                         Counting{"ThreeByte", "\xE2\x88\x80x Px", 5},
                                         Counting{"FourByte", "\xF0\x9F\x98\x80!", 2},
                                         Counting{"Greek", "\xCE\x96\xCE\xB5\xCF\x8D\xCF\x82", 4},
                                         // A malformed byte is shown as a character of its own.
                                         Counting{"Latin1Bytes", "caf\xE9", 4}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Utf8, CharacterStartLeavesTheMiddleOfACharacter) {
    const std::string text =
        "a\xE2\x88\x80"
        "b";  // a∀b
    EXPECT_EQ(CharacterStart(text, 0), 0u);
    EXPECT_EQ(CharacterStart(text, 1), 1u);
    EXPECT_EQ(CharacterStart(text, 2), 4u);
    EXPECT_EQ(CharacterStart(text, 3), 4u);
    EXPECT_EQ(CharacterStart(text, 5), 5u);
    EXPECT_EQ(CharacterStart(text, 9), 5u);
    EXPECT_EQ(CharacterStart("\xC3", 1), 1u);
}

}  // namespace
}  // namespace deducto
