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

class JsonWriter {
public:
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next member of the open object.
    void Key(std::string_view key);
    void String(std::string_view text);
    void Int(long long number);
    void Null();
    void StringArray(const std::vector<std::string>& texts);

    [[nodiscard]] const std::string& text() const { return out_; }

private:
    void Value();  // a comma before every value of an array but the first
    void Open(char bracket);
    void Close(char bracket);

    std::string out_;
    std::vector<bool> first_;  // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

}  // namespace deducto::cli
