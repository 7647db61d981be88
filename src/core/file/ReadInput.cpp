#include "file/ReadInput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file/ArgumentFile.h"

namespace deducto {

InputText ReadInput(const std::string& path) {
    InputText result;
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : path;
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        result.error = "cannot open " + name + ": " + std::strerror(errno);
        return result;
    }
    // Read in small pieces, so that a small file costs a small buffer; one byte more than
    // allowed tells a file at the limit from one beyond it.
    std::string& text = result.text;
    char piece[16384];
    while (text.size() <= kMaxInputBytes) {
        const std::size_t n = std::fread(piece, 1, sizeof piece, file);
        if (n == 0) break;
        text.append(piece, n);
    }
    const std::size_t got = text.size();
    const bool readError = std::ferror(file) != 0;
    const int readErrno = errno;
    if (!standardInput) std::fclose(file);
    if (readError) {
        result.error = "cannot read " + name + ": " + std::strerror(readErrno);
    } else if (got > kMaxInputBytes) {
        result.error = name + " is larger than " + std::to_string(kMaxInputBytes / 1024) +
                       " KiB: not an argument file";
    }
    return result;
}

}  // namespace deducto
