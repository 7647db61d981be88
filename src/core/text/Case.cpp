#include "text/Case.h"

#include <array>

#include "text/Utf8.h"

namespace deducto {

namespace {

constexpr char32_t kTwoByteEnd = 0x800;  // code points below it take one or two bytes

// A run of capital letters whose small letters lie `toLower` code points further on: every
// code point from `first` to `last` with step 1, every other one with step 2 (where capital
// and small letter alternate).
struct CaseRun {
    char32_t first;
    char32_t last;
    int step;
    int toLower;
};

constexpr CaseRun kCaseRuns[] = {
    {'A', 'Z', 1, 0x20},
    // Latin-1 Supplement, but for the multiplication sign; Y with diaeresis lies apart.
    {0xC0, 0xD6, 1, 0x20},
    {0xD8, 0xDE, 1, 0x20},
    {0x178, 0x178, 1, 0xFF - 0x178},
    // Latin Extended-A. Dotted capital I and dotless small i map onto ASCII letters and
    // are left alone, so that no accented letter turns into a plain one.
    {0x100, 0x12E, 2, 1},
    {0x132, 0x136, 2, 1},
    {0x139, 0x147, 2, 1},
    {0x14A, 0x176, 2, 1},
    {0x179, 0x17D, 2, 1},
    // Greek: the alphabet, the letters with tonos or dialytika, archaic and Coptic letters.
    {0x370, 0x372, 2, 1},
    {0x376, 0x376, 1, 1},
    {0x37F, 0x37F, 1, 0x3F3 - 0x37F},
    {0x386, 0x386, 1, 0x3AC - 0x386},
    {0x388, 0x38A, 1, 0x3AD - 0x388},
    {0x38C, 0x38C, 1, 0x3CC - 0x38C},
    {0x38E, 0x38F, 1, 0x3CD - 0x38E},
    {0x391, 0x3A1, 1, 0x20},
    {0x3A3, 0x3AB, 1, 0x20},
    {0x3CF, 0x3CF, 1, 0x3D7 - 0x3CF},
    {0x3D8, 0x3EE, 2, 1},
    {0x3F7, 0x3F7, 1, 1},
    {0x3F9, 0x3F9, 1, 0x3F2 - 0x3F9},
    {0x3FA, 0x3FA, 1, 1},
    {0x3FD, 0x3FF, 1, 0x37B - 0x3FD},
    // Cyrillic and Cyrillic Supplement.
    {0x400, 0x40F, 1, 0x50},
    {0x410, 0x42F, 1, 0x20},
    {0x460, 0x480, 2, 1},
    {0x48A, 0x4BE, 2, 1},
    {0x4C0, 0x4C0, 1, 0x4CF - 0x4C0},
    {0x4C1, 0x4CD, 2, 1},
    {0x4D0, 0x52E, 2, 1},
};

// Variant forms of small letters: each takes the capital of its ordinary letter, and that
// capital's small letter is the ordinary one, so the way back leads elsewhere. Final sigma
// is the variant a student types.
struct VariantForm {
    char32_t small;
    char32_t capital;
};
constexpr VariantForm kVariantForms[] = {
    {0x3C2, 0x3A3}, {0x3D0, 0x392}, {0x3D1, 0x398}, {0x3D5, 0x3A6},
    {0x3D6, 0x3A0}, {0x3F0, 0x39A}, {0x3F1, 0x3A1}, {0x3F5, 0x395},
};
constexpr char32_t kCapitalThetaSymbol = 0x3F4;  // its small letter is the ordinary theta
constexpr char32_t kCapitalSigma = 0x3A3;
constexpr char32_t kFinalSigma = 0x3C2;

struct CaseTables {
    std::array<char16_t, kTwoByteEnd> lower{};
    std::array<char16_t, kTwoByteEnd> upper{};
};

constexpr CaseTables kCase = [] {
    CaseTables t;
    for (char32_t c = 0; c < kTwoByteEnd; ++c) {
        t.lower[c] = static_cast<char16_t>(c);
        t.upper[c] = static_cast<char16_t>(c);
    }
    for (const CaseRun& run : kCaseRuns) {
        for (char32_t c = run.first; c <= run.last; c += static_cast<char32_t>(run.step)) {
            const auto small = static_cast<char32_t>(static_cast<int>(c) + run.toLower);
            t.lower[c] = static_cast<char16_t>(small);
            t.upper[small] = static_cast<char16_t>(c);
        }
    }
    for (const VariantForm& v : kVariantForms) t.upper[v.small] = static_cast<char16_t>(v.capital);
    t.lower[kCapitalThetaSymbol] = 0x3B8;
    return t;
}();

// Whether `c` is a letter that has a case: for telling where a word ends.
bool IsCased(char32_t c) {
    if (c >= kTwoByteEnd) return false;
    // Small iota and upsilon with dialytika and tonos have no one-character capital.
    return kCase.lower[c] != c || kCase.upper[c] != c || c == 0x390 || c == 0x3B0;
}

bool CasedAt(std::string_view text, size_t at) {
    const Utf8Character c = DecodeUtf8(text, at);
    return c.ok() && IsCased(c.code);
}

std::string MapCase(std::string_view text, bool lowering) {
    const std::array<char16_t, kTwoByteEnd>& table = lowering ? kCase.lower : kCase.upper;
    std::string out;
    out.reserve(text.size());
    bool afterLetter = false;  // the character before has a case
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += static_cast<char>(table[byte]);
            afterLetter = IsCased(byte);
            ++i;
            continue;
        }
        const Utf8Character c = DecodeUtf8(text, i);
        if (!c.ok()) {
            out += text[i++];  // bytes that are not UTF-8 pass unchanged
            afterLetter = false;
            continue;
        }
        if (c.code < kTwoByteEnd) {
            char32_t mapped = table[c.code];
            if (lowering && c.code == kCapitalSigma && afterLetter &&
                !CasedAt(text, i + c.length)) {
                mapped = kFinalSigma;
            }
            AppendUtf8(out, mapped);
        } else {
            out.append(text.substr(i, c.length));  // no letter beyond two bytes has its case mapped
        }
        afterLetter = IsCased(c.code);
        i += c.length;
    }
    return out;
}

}  // namespace

std::string ToLower(std::string_view text) { return MapCase(text, true); }

std::string ToUpper(std::string_view text) { return MapCase(text, false); }

}  // namespace deducto
