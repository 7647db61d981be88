// The whole argument on paper or in a PDF: each line as typed with its formula in logical
// notation, the verdict and the failing cases. Black text on white, one page per argument.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "Details.h"
#include "Lines.h"

class QPagedPaintDevice;

namespace deducto {

struct PrintedArgument {
    QString title;                                   // the file's name, or the program's
    std::array<std::string, kLineCount> texts{};     // as typed; [0] the conclusion
    std::array<std::string, kLineCount> formulas{};  // token lists; empty when not parsed
    std::string verdict;                             // empty before an evaluation
    std::vector<CaseText> cases;                     // the failing cases, if any
};

// The argument as a small HTML page.
[[nodiscard]] QString ArgumentHtml(const PrintedArgument& argument);

// Lays the page out on `device` (a printer or a PDF writer).
void PrintArgument(const PrintedArgument& argument, QPagedPaintDevice& device);

// Writes a PDF file; false when it cannot be written.
[[nodiscard]] bool WriteArgumentPdf(const PrintedArgument& argument, const QString& path);

}  // namespace deducto
