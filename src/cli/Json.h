// A small JSON writer: enough for the checker's one report object. Strings pass UTF-8
// through; control characters are escaped and malformed UTF-8 becomes U+FFFD, so the
// output is valid JSON whatever bytes the input held.
#pragma once

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace deducto::cli {

// `text` as a quoted JSON string.
[[nodiscard]] std::string JsonString(std::string_view text);
// The same, appended to `out`.
void AppendJsonString(std::string& out, std::string_view text);

class JsonWriter {
public:
    // Without a sink the text collects in text(); with one, it is passed on in pieces as
    // it is written, so a large report is never held whole.
    explicit JsonWriter(std::ostream* sink = nullptr) : sink_(sink) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next member of the open object.
    void Key(std::string_view key);
    void String(std::string_view text);
    // An array of `count` strings of at most `maxLength` characters each, written one
    // after another by `writeNext(at)`, which writes the next string from `at` on and
    // returns where it ended. For the cells of whole tables: they hold only printable ASCII
    // without quotes or backslashes, so nothing needs escaping, and they go straight into
    // the output.
    template <typename F>
    void PlainStringArray(int count, int maxLength, F&& writeNext) {
        BeginArray();
        // The strings are written into a piece of fixed size that is passed on when full,
        // so the memory they pass through stays small and warm.
        const size_t most = static_cast<size_t>(maxLength) + 3;  // a comma and two quotes
        char* const piece = Piece(2 * most);
        char* at = piece;
        // Every string is written after a comma; the first one's is never passed on.
        size_t skip = count > 0 ? 1 : 0;
        for (int left = count; left > 0;) {
            // As many strings as surely fit, with no test of room between them.
            const size_t room = pieceSize_ - static_cast<size_t>(at - piece);
            const int fit = static_cast<int>(std::min<size_t>(room / most, left));
            if (fit == 0) {
                PassPiece(static_cast<size_t>(at - piece), skip);
                skip = 0;
                at = piece;
                continue;
            }
            for (int k = 0; k < fit; ++k) {
                *at++ = ',';
                *at++ = '"';
                at = writeNext(at);
                *at++ = '"';
            }
            left -= fit;
        }
        PassPiece(static_cast<size_t>(at - piece), skip);
        EndArray();
    }
    // An array of one-character strings, one per character of `chars`, which must be
    // plain as above.
    void CharStringArray(std::string_view chars);
    // A value already written as JSON, by another writer.
    void Raw(std::string_view json);
    void Int(long long number);
    void Null();
    void Bool(bool value);
    void StringArray(const std::vector<std::string>& texts);

    [[nodiscard]] const std::string& text() const { return out_; }
    // Without a sink: room for `size` characters of text, and the text taken whole.
    void Reserve(size_t size) { out_.reserve(size); }
    [[nodiscard]] std::string TakeText() && { return std::move(out_); }
    // Passes what is left on to the sink.
    void Finish();

private:
    void Value();  // a comma before every value of an array but the first
    void Open(char bracket);
    void Close(char bracket);
    static constexpr size_t kPiece = 1 << 16;
    // The piece, of at least kPiece and `least` characters.
    char* Piece(size_t least);
    // Passes on the first `length` characters of the piece, but the first `skip`.
    void PassPiece(size_t length, size_t skip = 0);

    std::ostream* sink_;
    std::unique_ptr<char[]> piece_;
    size_t pieceSize_ = 0;

    std::string out_;
    std::vector<bool> first_;  // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

}  // namespace deducto::cli
