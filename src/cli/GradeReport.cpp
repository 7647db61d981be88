#include "GradeReport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "Json.h"

namespace deducto::cli {

std::string CsvField(const std::string& text) {
    const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted) return text;
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += ',';
        record += CsvField(fields[i]);
    }
    return record + "\r\n";
}

namespace {

// A name taken from a file name, made safe to open: a spreadsheet reads a cell that starts
// with "=", "+", "-" or "@" as a formula, and a student chooses the names of the files.
std::string Inert(const std::string& name) {
    if (!name.empty() && std::string_view("=+-@\t\r").find(name.front()) != std::string::npos) {
        return "'" + name;
    }
    return name;
}

}  // namespace

std::string ReportHeader() {
    return CsvRecord({"path", "exercise", "expected verdict", "verdict", "verdict ok",
                      "lines equivalent", "lines", "problems", "score"});
}

std::string ReportRow(const std::string& path, const FileGrade& grade) {
    std::string problems;
    for (const std::string& problem : grade.problems) {
        problems += (problems.empty() ? "" : "; ") + problem;
    }
    return CsvRecord({Inert(path), Inert(grade.exercise),
                      grade.expected ? VerdictShortName(*grade.expected) : std::string(),
                      grade.outcome, grade.verdictOk ? "yes" : "no",
                      grade.linesGraded ? std::to_string(grade.linesEquivalent) : std::string(),
                      grade.linesGraded ? std::to_string(grade.lines.size()) : std::string(),
                      problems, ScoreText(grade.score)});
}

ReportFile::~ReportFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

std::string ReportFile::Open(const std::string& path) {
    path_ = path;
    std::string pattern = path + ".XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) {
        return "cannot write the report " + path + ": " + std::strerror(errno);
    }
    temporary_ = pattern;
    // A report is a file anyone who may read the folder may read, like any other file made.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        ::close(descriptor);
        return "cannot write the report " + path + ": " + std::strerror(errno);
    }
    return {};
}

void ReportFile::Write(const std::string& text) {
    if (file_ == nullptr || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

std::string ReportFile::Commit() {
    if (file_ == nullptr) return "cannot write the report " + path_;
    const bool flushed = std::fflush(file_) == 0 && !failed_ && ::fsync(::fileno(file_)) == 0;
    const int error = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) {
        return "cannot write the report " + path_ + ": " + std::strerror(flushed ? errno : error);
    }
    if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
        return "cannot write the report " + path_ + ": " + std::strerror(errno);
    }
    temporary_.clear();
    return {};
}

std::string GradeSummary::Exercise::MostCommonWrong(std::size_t* count) const {
    std::string most;
    std::size_t mostCount = 0;
    for (const auto& [name, n] : wrongVerdicts) {
        if (n > mostCount) {
            most = name;
            mostCount = n;
        }
    }
    if (count != nullptr) *count = mostCount;
    return most;
}

void GradeSummary::Add(const FileGrade& grade) {
    ++(grade.ok ? passed_ : failed_);
    Exercise& exercise = exercises_[grade.exercise];
    ++exercise.files;
    if (grade.ok) ++exercise.right;
    if (!grade.verdictOk && grade.expected) ++exercise.wrongVerdicts[grade.outcome];
}

void GradeSummary::WriteText(std::ostream& out) const {
    out << "Exercises:\n";
    for (const auto& [name, exercise] : exercises_) {
        out << "    " << name << ": " << exercise.right << " of " << exercise.files << " right";
        std::size_t count = 0;
        const std::string wrong = exercise.MostCommonWrong(&count);
        if (!wrong.empty()) {
            out << "; most common wrong verdict: " << wrong << " (" << count
                << (count == 1 ? " file)" : " files)");
        }
        out << '\n';
    }
}

void GradeSummary::WriteJson(std::ostream& out) const {
    JsonWriter json;
    json.BeginObject();
    json.Key("schema");
    json.Int(1);
    json.Key("summary");
    json.BeginObject();
    json.Key("passed");
    json.Int(static_cast<long long>(passed_));
    json.Key("failed");
    json.Int(static_cast<long long>(failed_));
    json.Key("exercises");
    json.BeginArray();
    for (const auto& [name, exercise] : exercises_) {
        json.BeginObject();
        json.Key("exercise");
        json.String(name);
        json.Key("files");
        json.Int(static_cast<long long>(exercise.files));
        json.Key("right");
        json.Int(static_cast<long long>(exercise.right));
        std::size_t count = 0;
        const std::string wrong = exercise.MostCommonWrong(&count);
        json.Key("mostCommonWrongVerdict");
        if (wrong.empty()) {
            json.Null();
        } else {
            json.String(wrong);
        }
        json.Key("mostCommonWrongVerdictFiles");
        json.Int(static_cast<long long>(count));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    json.EndObject();
    out << json.text() << '\n';
}

}  // namespace deducto::cli
