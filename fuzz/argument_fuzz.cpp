// Feeds whole arguments to the checker in every mode: the input is an argument file, read,
// every line parsed and its table built, the lines combined and evaluated, the failing cases
// described, explained and drawn as a world, and the report written as text and as JSON.
// What must hold: a marked line's mark lies inside its text, an evaluated argument has a
// verdict, and the JSON report is one object ending in a newline.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "ExplainReport.h"
#include "FuzzCheck.h"
#include "JsonOutput.h"
#include "RunCheck.h"
#include "TextOutput.h"
#include "file/ArgumentFile.h"
#include "text/Utf8.h"

using namespace deducto;
using namespace deducto::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 1) return 0;
    // The first byte sets the table options; the rest is the argument file.
    Options options;
    options.eliminateUnneeded = (bytes[0] & 1) != 0;
    options.showFalseOnly = (bytes[0] & 2) != 0;
    options.showTrueOnly = (bytes[0] & 4) != 0;
    const std::string_view text(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const ReadArgument read = ParseArgumentText(text);
    if (!read.ok()) return 0;

    const CheckReport report = RunCheck(read.argument, options);
    for (const LineReport& line : report.lines) {
        if (!line.outcome.unread()) continue;
        FUZZ_CHECK(line.outcome.markCharacter() <= CharacterCount(line.outcome.text));
    }
    if (report.result == RunResult::Evaluated) FUZZ_CHECK(report.verdict != Verdict::None);

    const Explained explained = Explain(report, true, true);
    std::ostringstream json;
    WriteReportJson(json, report, read.argument, "fuzz", explained);
    const std::string written = json.str();
    FUZZ_CHECK(written.size() >= 3 && written.front() == '{' && written.ends_with("}\n"));

    TextOptions textOptions;
    textOptions.details = true;
    textOptions.tables = {0, 1};
    textOptions.explanation = ExplanationLine(explained);
    textOptions.world = WorldText(report, explained);
    std::ostringstream out;
    std::ostringstream err;
    WriteText(out, err, report, textOptions, options);
    return 0;
}
