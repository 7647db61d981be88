// The operator codes of the Polish encoding, and the truth function of the binary ones.
// Every reader and writer of Polish strings and token lists names them through these.
#pragma once

namespace deducto::op {

inline constexpr char kAnd = '1';
inline constexpr char kOr = '2';
inline constexpr char kNot = '3';
inline constexpr char kForall = '4';
inline constexpr char kExists = '5';
inline constexpr char kIff = '6';
inline constexpr char kImplies = '7';

[[nodiscard]] constexpr bool IsQuantifier(char c) { return c == kForall || c == kExists; }
[[nodiscard]] constexpr bool IsBinary(char c) {
    return c == kAnd || c == kOr || c == kIff || c == kImplies;
}

// The value of "a op b" for the values "T" and "F"; any other value of an operand (a row
// left out of a comparison) counts as not true.
[[nodiscard]] constexpr char BinaryTruth(char a, char b, char code) {
    switch (code) {
        case kAnd:
            return a == 'T' && b == 'T' ? 'T' : 'F';
        case kOr:
            return a == 'T' || b == 'T' ? 'T' : 'F';
        case kIff:
            return a == b ? 'T' : 'F';
        case kImplies:
            return a == 'T' && b == 'F' ? 'F' : 'T';
        default:
            return '\0';
    }
}

// Whether the first operand alone decides "a op b", so the second need not be looked at.
[[nodiscard]] constexpr bool FirstDecides(char a, char code) {
    return (code == kAnd && a != 'T') || (code == kOr && a == 'T') ||
           (code == kImplies && a != 'T');
}

}  // namespace deducto::op
