#include "Json.h"

#include <cassert>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "text/Utf8.h"

namespace deducto::cli {

namespace {

// Characters that stand for themselves in a JSON string: printable ASCII but the quote
// and the backslash.
bool Plain(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F && c != '"' && c != '\\';
}

// Whether all eight bytes of `word` are plain, tested together: a byte below 0x20, a byte
// from 0x7F on, a quote or a backslash each leaves its top bit set in the result.
bool AllPlain(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kTops = 0x8080808080808080ULL;
    const auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kTops; };
    const std::uint64_t below = (word - kOnes * 0x20) & ~word;  // bytes under 0x20
    const std::uint64_t high = word + kOnes * 0x01;             // 0x7F carries into the top
    const std::uint64_t special = hasZero(word ^ (kOnes * '"')) | hasZero(word ^ (kOnes * '\\'));
    return ((below | high | word | special) & kTops) == 0;
}

// The length of the run of plain characters at the start of `text`.
std::size_t PlainRun(std::string_view text) {
    std::size_t plain = 0;
    for (std::uint64_t word; plain + 8 <= text.size(); plain += 8) {
        std::memcpy(&word, text.data() + plain, 8);
        if (!AllPlain(word)) break;
    }
    while (plain < text.size() && Plain(text[plain])) ++plain;
    return plain;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    while (!text.empty()) {
        // Plain runs go over whole.
        const std::size_t plain = PlainRun(text);
        out.append(text.substr(0, plain));
        text.remove_prefix(plain);
        if (text.empty()) break;
        const unsigned char c = static_cast<unsigned char>(text.front());
        std::size_t used = 1;
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 0xF];
                } else {
                    used = DecodeUtf8(text).length;
                    if (used == 0) {
                        out += "\\ufffd";
                        used = 1;
                    } else {
                        out.append(text.substr(0, used));
                    }
                }
        }
        text.remove_prefix(used);
    }
    out += '"';
}

std::string JsonString(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

void JsonWriter::Value() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

void JsonWriter::Open(char bracket) {
    Value();
    out_ += bracket;
    first_.push_back(true);
}

void JsonWriter::Close(char bracket) {
    assert(!first_.empty() && !afterKey_);
    first_.pop_back();
    out_ += bracket;
}

void JsonWriter::Key(std::string_view key) {
    assert(!first_.empty() && !afterKey_);
    if (!first_.back()) out_ += ',';
    first_.back() = false;
    AppendJsonString(out_, key);
    out_ += ':';
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    Value();
    AppendJsonString(out_, text);
    // Many strings (the failing cases of a large table) are passed on as they pile up.
    if (out_.size() >= kPiece) Finish();
}

void JsonWriter::Raw(std::string_view json) {
    Value();
    if (sink_ == nullptr) {
        out_.append(json);
        return;
    }
    Finish();
    sink_->write(json.data(), static_cast<std::streamsize>(json.size()));
}

void JsonWriter::Int(long long number) {
    Value();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out_.append(digits, end);
}

void JsonWriter::Null() {
    Value();
    out_ += "null";
}

void JsonWriter::Bool(bool value) {
    Value();
    out_ += value ? "true" : "false";
}

char* JsonWriter::Piece(size_t least) {
    const size_t size = std::max(kPiece, least);
    if (pieceSize_ < size) {
        piece_ = std::make_unique_for_overwrite<char[]>(size);
        pieceSize_ = size;
    }
    return piece_.get();
}

void JsonWriter::PassPiece(size_t length, size_t skip) {
    const char* from = piece_.get() + skip;
    length -= skip;
    if (sink_ == nullptr) {
        out_.append(from, length);
        return;
    }
    Finish();
    sink_->write(from, static_cast<std::streamsize>(length));
}

void JsonWriter::CharStringArray(std::string_view chars) {
    PlainStringArray(static_cast<int>(chars.size()), 1, [next = chars.begin()](char* at) mutable {
        *at = *next++;
        return at + 1;
    });
}

void JsonWriter::Finish() {
    if (sink_ == nullptr) return;
    sink_->write(out_.data(), static_cast<std::streamsize>(out_.size()));
    out_.clear();
}

void JsonWriter::StringArray(const std::vector<std::string>& texts) {
    BeginArray();
    for (const std::string& text : texts) String(text);
    EndArray();
}

}  // namespace deducto::cli
