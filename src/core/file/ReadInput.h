// Reading an argument file's bytes from a path, or from standard input for "-", held to the
// size of an argument file.
#pragma once

#include <string>

namespace deducto {

struct InputText {
    std::string text;
    std::string error;  // empty when the file was read
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a whole file, or standard input for "-", refusing more than kMaxInputBytes.
[[nodiscard]] InputText ReadInput(const std::string& path);

}  // namespace deducto
