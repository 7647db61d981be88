// What a grading run writes beside the grade lines: the report file a spreadsheet opens
// (RFC 4180 CSV, one row per student file), and the summary per exercise. Both take one
// file at a time, so a class of any size is graded in the same memory.
#pragma once

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "Grade.h"

namespace deducto::cli {

// One CSV field: quoted when it holds a comma, a quote, a line break or a leading or
// trailing space, a quote inside doubled.
[[nodiscard]] std::string CsvField(const std::string& text);
// One CSV record ending in CRLF.
[[nodiscard]] std::string CsvRecord(const std::vector<std::string>& fields);

// The header record of the report, and a file's record. A path or exercise name that a
// spreadsheet would take for a formula gets a leading "'".
[[nodiscard]] std::string ReportHeader();
[[nodiscard]] std::string ReportRow(const std::string& path, const FileGrade& grade);

// The report file, written to a temporary file beside it and renamed over it only when
// every row was written, so an interrupted or failed run leaves the old report as it was.
class ReportFile {
public:
    ReportFile() = default;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile();  // removes the temporary file unless it was committed

    // Creates the temporary file; the error in words when it cannot.
    [[nodiscard]] std::string Open(const std::string& path);
    void Write(const std::string& text);
    // Flushes, closes and renames; the error in words when any step failed.
    [[nodiscard]] std::string Commit();

private:
    std::string path_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// How each exercise went: counts only.
class GradeSummary {
public:
    void Add(const FileGrade& grade);
    [[nodiscard]] std::size_t passed() const { return passed_; }
    [[nodiscard]] std::size_t failed() const { return failed_; }

    struct Exercise {
        std::size_t files = 0;
        std::size_t right = 0;                             // every part right
        std::map<std::string, std::size_t> wrongVerdicts;  // outcome name -> files
        // The most frequent wrong verdict (the first by name among equals); empty if none.
        [[nodiscard]] std::string MostCommonWrong(std::size_t* count = nullptr) const;
    };
    [[nodiscard]] const std::map<std::string, Exercise>& exercises() const { return exercises_; }

    // "Exercises:" and a line each: "    ex1: 12 of 15 right; most common wrong verdict:
    // always true (2 files)".
    void WriteText(std::ostream& out) const;
    // One JSON object: {"schema":1,"summary":{...}}, ending with a newline.
    void WriteJson(std::ostream& out) const;

private:
    std::size_t passed_ = 0;
    std::size_t failed_ = 0;
    std::map<std::string, Exercise> exercises_;
};

}  // namespace deducto::cli
