#include "RunChecker.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace deducto::cli::testing {

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Reads one JSON value from text[pos...]; the members say where it stopped.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Json> Document() {
        std::optional<Json> value = Value();
        Spaces();
        if (!value || pos_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    void Spaces() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }
    bool Eat(char c) {
        Spaces();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    std::optional<Json> Value() {
        Spaces();
        if (pos_ >= text_.size()) return std::nullopt;
        Json value;
        const char c = text_[pos_];
        if (c == '{') return Object();
        if (c == '[') return Array();
        if (c == '"') {
            std::optional<std::string> s = String();
            if (!s) return std::nullopt;
            value.kind = Json::Kind::String;
            value.string = std::move(*s);
            return value;
        }
        if (Word("null")) return value;
        if (Word("true") || Word("false")) {
            value.kind = Json::Kind::Bool;
            value.boolean = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';  // "true"
            return value;
        }
        const std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.')) {
            ++pos_;
        }
        if (pos_ == start) return std::nullopt;
        value.kind = Json::Kind::Number;
        value.number = std::strtod(std::string(text_.substr(start, pos_ - start)).c_str(), nullptr);
        return value;
    }

    std::optional<std::string> String() {
        ++pos_;  // the opening quote
        std::string out;
        while (pos_ < text_.size()) {
            const unsigned char c = static_cast<unsigned char>(text_[pos_++]);
            if (c == '"') return out;
            if (c < 0x20) return std::nullopt;
            if (c == '\\') {
                if (pos_ >= text_.size()) return std::nullopt;
                const char e = text_[pos_++];
                const std::string_view simple = "\"\\/bfnrt";
                const std::string_view meant = "\"\\/\b\f\n\r\t";
                if (simple.find(e) != std::string_view::npos) {
                    out += meant[simple.find(e)];
                } else if (e == 'u' && pos_ + 4 <= text_.size()) {
                    const unsigned code =
                        std::stoul(std::string(text_.substr(pos_, 4)), nullptr, 16);
                    pos_ += 4;
                    if (code < 0x80) {
                        out += static_cast<char>(code);
                    } else if (code < 0x800) {
                        out += static_cast<char>(0xC0 | (code >> 6));
                        out += static_cast<char>(0x80 | (code & 0x3F));
                    } else {
                        out += static_cast<char>(0xE0 | (code >> 12));
                        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                        out += static_cast<char>(0x80 | (code & 0x3F));
                    }
                } else {
                    return std::nullopt;
                }
                continue;
            }
            // A multi-byte character: the lead byte says how many continuation bytes follow.
            int more = 0;
            if (c >= 0x80) {
                if (c >= 0xC2 && c <= 0xDF) {
                    more = 1;
                } else if (c >= 0xE0 && c <= 0xEF) {
                    more = 2;
                } else if (c >= 0xF0 && c <= 0xF4) {
                    more = 3;
                } else {
                    return std::nullopt;
                }
            }
            out += static_cast<char>(c);
            for (int k = 0; k < more; ++k) {
                if (pos_ >= text_.size() ||
                    (static_cast<unsigned char>(text_[pos_]) & 0xC0) != 0x80) {
                    return std::nullopt;
                }
                out += text_[pos_++];
            }
        }
        return std::nullopt;
    }

    std::optional<Json> Array() {
        ++pos_;
        Json value;
        value.kind = Json::Kind::Array;
        if (Eat(']')) return value;
        do {
            std::optional<Json> item = Value();
            if (!item) return std::nullopt;
            value.array.push_back(std::move(*item));
        } while (Eat(','));
        if (!Eat(']')) return std::nullopt;
        return value;
    }

    std::optional<Json> Object() {
        ++pos_;
        Json value;
        value.kind = Json::Kind::Object;
        if (Eat('}')) return value;
        do {
            Spaces();
            if (pos_ >= text_.size() || text_[pos_] != '"') return std::nullopt;
            std::optional<std::string> key = String();
            if (!key || !Eat(':')) return std::nullopt;
            std::optional<Json> member = Value();
            if (!member || value.object.count(*key) != 0) return std::nullopt;
            value.object.emplace(std::move(*key), std::move(*member));
        } while (Eat(','));
        if (!Eat('}')) return std::nullopt;
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string TempFile(std::string_view content) {
    std::string path = "/tmp/deducto-cli-test-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return {};
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    close(fd);
    return path;
}

std::string SamplePath(std::string_view name) {
    return std::string(DEDUCTO_SAMPLES_DIR) + "/" + std::string(name);
}

CheckerRun RunChecker(const std::vector<std::string>& args, std::string_view input,
                      const RunSettings& settings) {
    const std::string inPath = TempFile(input);
    const std::string outPath = TempFile("");
    const std::string errPath = TempFile("");
    CheckerRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(inPath.c_str(), O_RDONLY);
        const int out =
            open(settings.outputTo.empty() ? outPath.c_str() : settings.outputTo.c_str(),
                 O_WRONLY | O_TRUNC);
        const int err = open(errPath.c_str(), O_WRONLY | O_TRUNC);
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        if (settings.unprivileged && geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                _exit(126);
            }
        }
        std::vector<char*> argv;
        std::string program = DEDUCTO_CHECK_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& arg : copies) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid) {
        run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    run.out = ReadAll(outPath);
    run.err = ReadAll(errPath);
    for (const std::string& path : {inPath, outPath, errPath}) unlink(path.c_str());
    return run;
}

std::optional<Json> ParseJson(std::string_view text) { return Reader(text).Document(); }

}  // namespace deducto::cli::testing
