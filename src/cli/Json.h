// A small JSON writer: enough for the checker's one report object. Strings pass UTF-8
// through; control characters are escaped and malformed UTF-8 becomes U+FFFD, so the
// output is valid JSON whatever bytes the input held.
#pragma once

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace deducto::cli {

// `text` as a quoted JSON string.
[[nodiscard]] std::string JsonString(std::string_view text);
// The same, appended to `out`.
void AppendJsonString(std::string& out, std::string_view text);

class JsonWriter {
public:
    // Without a sink the text collects in text(); with one, large arrays are passed on in
    // pieces as they are written, so a large report is never held whole.
    explicit JsonWriter(std::ostream* sink = nullptr) : sink_(sink) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next member of the open object.
    void Key(std::string_view key);
    void String(std::string_view text);
    // An array of `count` strings of at most `maxLength` characters each, string i
    // written by `write(i, at)` from `at` on, which returns where it ended. For the cells
    // of whole tables: they hold only printable ASCII without quotes or backslashes, so
    // nothing needs escaping, and they go straight into the output.
    template <typename F>
    void PlainStringArray(int count, int maxLength, F&& write) {
        BeginArray();
        // The strings are written into a piece of fixed size that is passed on whenever it
        // may not hold the next one, so the memory they pass through stays small and warm.
        const size_t most = static_cast<size_t>(maxLength) + 3;  // a comma and two quotes
        const size_t size = std::max(kPiece, 2 * most);
        if (pieceSize_ < size) {
            piece_ = std::make_unique<char[]>(size);
            pieceSize_ = size;
        }
        char* at = piece_.get();
        for (int i = 0; i < count; ++i) {
            if (static_cast<size_t>(at - piece_.get()) + most > pieceSize_) {
                PassPiece(static_cast<size_t>(at - piece_.get()));
                at = piece_.get();
            }
            if (i > 0) *at++ = ',';
            *at++ = '"';
            at = write(i, at);
            *at++ = '"';
        }
        PassPiece(static_cast<size_t>(at - piece_.get()));
        EndArray();
    }
    void Int(long long number);
    void Null();
    void StringArray(const std::vector<std::string>& texts);

    [[nodiscard]] const std::string& text() const { return out_; }
    // Passes what is left on to the sink.
    void Finish();

private:
    void Value();  // a comma before every value of an array but the first
    void Open(char bracket);
    void Close(char bracket);
    static constexpr size_t kPiece = 1 << 16;
    void PassPiece(size_t length);  // the first `length` characters of piece_

    std::ostream* sink_;
    std::unique_ptr<char[]> piece_;
    size_t pieceSize_ = 0;

    std::string out_;
    std::vector<bool> first_;  // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

}  // namespace deducto::cli
