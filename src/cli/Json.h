// A small JSON writer: enough for the checker's one report object. Strings pass UTF-8
// through; control characters are escaped and malformed UTF-8 becomes U+FFFD, so the
// output is valid JSON whatever bytes the input held.
#pragma once

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
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next member of the open object.
    void Key(std::string_view key);
    void String(std::string_view text);
    // A string that `write(text)` appends to an empty `text`: large arrays of generated
    // strings are written through one reused buffer.
    template <typename F>
    void StringOf(F&& write) {
        scratch_.clear();
        write(scratch_);
        String(scratch_);
    }
    void Int(long long number);
    void Null();
    void StringArray(const std::vector<std::string>& texts);

    [[nodiscard]] const std::string& text() const { return out_; }
    // Hands the text over, followed by `last`.
    [[nodiscard]] std::string Finish(char last) && {
        out_ += last;
        return std::move(out_);
    }

private:
    void Value();  // a comma before every value of an array but the first
    void Open(char bracket);
    void Close(char bracket);

    std::string out_;
    std::string scratch_;
    std::vector<bool> first_;  // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

}  // namespace deducto::cli
