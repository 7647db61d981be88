// The program-wide state of one Deducto session: the mode, the table options, the progress
// of the running computation, the nine argument lines and the natural-language lexicon, plus
// the two seams through which the engine reaches the user (questions) and the event loop
// (cooperative cancellation). The app, the checker and the tests each own one Session.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "Lines.h"
#include "Mode.h"
#include "Progress.h"
#include "natural/modLangTerms.h"

namespace deducto {

class clsTruthTable;
class CheckTermsModel;
class LanguageTermsModel;

// What kind of file a file question asks for; the answer is a path, empty when cancelled.
enum class FileQuestion { OpenArgument, SaveArgument, ExportTable, ExportPdf };
// The three answers to "save your changes first?".
enum class SaveChoice { Save, Discard, Cancel };

// The engine's only way to ask the user anything. The app answers with real windows, the
// checker and the tests with scripted answers.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void ShowMessage(std::string_view text) = 0;  // OK only
    // A message under a title of its own instead of the program's name.
    virtual void ShowTitledMessage(std::string_view /*title*/, std::string_view text) {
        ShowMessage(text);
    }
    virtual bool Confirm(std::string_view text) = 0;                 // OK / Cancel
    virtual bool ConfirmTermWithUser(CheckTermsModel& dialog) = 0;   // true when accepted
    virtual bool EditLanguageTerms(LanguageTermsModel& window) = 0;  // true on Update
    // Only the window asks these; a session without a person keeps everything as it is.
    virtual SaveChoice AskToSave(std::string_view /*text*/) { return SaveChoice::Cancel; }
    // `suggested` is the path the question starts from.
    virtual std::string ChooseFile(FileQuestion /*question*/, std::string_view /*suggested*/) {
        return {};
    }
};

struct Options {
    bool eliminateUnneeded = true;  // "&Eliminate Unneeded Columns"
    bool showFalseOnly = false;     // "Show &False Only"
    bool showTrueOnly = false;      // "Show &True Only"
    bool multiTable = false;        // "Allow &Multi-Table Display"
};

struct ArgumentLine {
    std::string tokens;                          // token list of the last successful parse
    std::shared_ptr<const clsTruthTable> table;  // none when the line holds no formula
    std::string PolishStr;                       // the formula `table` was built from
    bool changed = false;                        // text differs from what was last parsed
};

class Session {
public:
    Session(UserPrompts& prompts, EventPump& pump) : computation(pump), prompts_(prompts) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Mode mode = Mode::Propositional;  // one value: two modes can never be set at once
    bool modeNatural() const { return mode == Mode::Natural; }

    Options options;
    Computation computation;  // the running computation's progress and cancel check
    Progress& progress = computation.progress;
    std::array<ArgumentLine, kLineCount> lines;
    std::string lineReparse = kNoLines;  // [k] belongs to line k: 'N' or flagged
    bool entriesMade = false;
    bool exampleLoading = false;
    bool ReparseAll = false;
    Lexicon lexicon;

    UserPrompts& prompts() { return prompts_; }

    // Lets events run, then reports whether the running computation is to stop.
    [[nodiscard]] bool CheckCancel() { return computation.CheckCancel(); }

    void ResetTables() {
        for (ArgumentLine& line : lines) line.table.reset();
    }
    void ResetTokens() {
        for (ArgumentLine& line : lines) line.tokens.clear();
    }

private:
    UserPrompts& prompts_;
};

}  // namespace deducto
