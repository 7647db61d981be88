// The main window: the mode selector, eight premise lines and the conclusion, each with its
// drawn formula and "Show Truth Table" button, the evaluation with its verdict and details,
// the processing frame of a running computation, the large reference picture and the menus
// (which the frame window shows).
//
// Every long computation is bracketed by BeginProcessing and EndProcessing; while it runs
// (Timer1 active) the engine lets events through, and commands that would start another
// computation are recorded and carried out by EndProcessing instead.
#pragma once

#include <QWidget>
#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Session.h"
#include "truthtable/modEvaluate.h"
#include "ui/Twips.h"
#include "ui/WindowPrompts.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace deducto {

class clsTruthTable;
struct LineOutcome;
struct TableBuildHooks;
struct WorkedExample;
struct PrintedArgument;
namespace ui {
class LineEdit;
class PictureBox;
}  // namespace ui

inline constexpr const char* kCaption = "Deducto - the Inferator";
inline constexpr ui::TwipSize kMainSize{15400, 9100};
inline constexpr int kWhyHeight = 300;                     // lblWhy, by which the window is taller
inline constexpr ui::TwipSize kExampleSize{15400, 10000};  // while a worked example shows
inline constexpr const char* kProcessCanceled = "Process canceled by user";
inline constexpr const char* kReparseCanceled = "Reparse canceled by user";
// Said when typing or pasting would make a line longer than it may be.
inline constexpr const char* kLineTooLong = "A line holds at most 100 characters.";
inline constexpr const char* kTablesOnly = "T";  // BeginProcessing kind: the lines stay usable
// The captions of cmdToggle, each naming the panel a click will show.
inline constexpr const char* kShowTerms = "Show Terms";
inline constexpr const char* kShowSyntax = "Show Syntax";

// A scope warning that does not fit after its formula goes on a row of its own below it,
// this much lower (the picture grows by as much, into the gap before the next line). On the
// conclusion's picture the row starts right of the evaluate button, which stays above it.
inline constexpr int kWarningRowHeight = 215;
inline constexpr int kConclusionWarningX = 1200;
// Where line `line`'s formula picture is, with room for a warning row or without.
[[nodiscard]] ui::TwipRect LinePictureRect(int line, bool warningBelow);

class Main : public QWidget {
    Q_OBJECT
public:
    // The engine's questions go through the session's prompts, the window's own through
    // `prompts`.
    Main(Session& session, WindowPrompts& prompts, QWidget* parent = nullptr);
    ~Main() override;

    // Whether a computation is running.
    [[nodiscard]] bool processing() const;

    // The menus, for the frame's menu bar.
    QMenu* mnuFile;
    QMenu* mnuTruthTableOptions;
    QMenu* mnuNaturalLanguage;
    QMenu* mnuHelp;

    // Runs each time the window becomes the active one.
    void Form_Activate();

    // Argument files (Main_file.cpp). Opening asks, as a worked example does, before it
    // replaces what is entered (the save question when there are unsaved changes); a file
    // that is not an argument leaves the window as it was.
    bool OpenArgumentFile(const QString& path);
    // Whether the lines, mode or terms differ from what was last opened or saved.
    [[nodiscard]] bool modified() const;
    // Asks to save unsaved changes; false when the user chose to stay.
    [[nodiscard]] bool MaybeSaveChanges();
    // The frame's caption: the file's name and a mark for unsaved changes.
    [[nodiscard]] QString FileCaption() const;

signals:
    void windowSizeChanged();  // the frame follows the main window's size
    // "E&xit": the program is to end now.
    void exitRequested();
    // ShowTermsPanel ran: the listing of the lexicon is to be drawn in the large picture.
    void termsPanelShown();
    // The file or its modified state changed: the frame's caption is to follow.
    void captionChanged();

private:
    // Building (Main.cpp)
    void CreateControls();
    void CreateMenus();
    void Form_Load();
    void SetWindowSize(ui::TwipSize size);

    // Keyboard and screen readers (Main.cpp)
    void SetAccessibleNames();
    void SetTabOrder();
    void CreateShortcuts();
    void DescribeLineFormula(int line, std::string_view scopeWarning);
    void AnnounceVerdict();
    void txtConclusion_Return();
    void OpenFocusedLineTable();
    // Carries out a click on a mode option that a message box shown while leaving a line
    // took the button's release from.
    void CompleteInterruptedClick(QWidget* clicked);

    // Modes (Main.cpp)
    void opt_Click(Mode mode);
    QRadioButton* OptionFor(Mode mode) const;
    void ShowModePanel();
    // Puts "Add/Correct Terms" at `left` (twips), wide enough for its caption.
    void PlaceUpdateTerms(int left);

    // Line entry (Main_lines.cpp)
    void txt_KeyDown(int line);
    void txt_KeyUp(int line, int key);
    void txt_LostFocus(int line);
    void ParseLine(int line);
    [[nodiscard]] bool LineIsBlank(int line) const;
    void DisableLineButtons(int line);
    // Shows what reading a line did: its text, colour, buttons and formula.
    void ShowLineOutcome(int line, const LineOutcome& outcome, bool focus);
    // The processing frame around building a line's table.
    [[nodiscard]] TableBuildHooks TableHooks();
    void DrawLineFormula(int line, std::string_view scopeWarning);
    // Clears a line's formula picture back to its one row.
    void ClearLinePicture(int line);
    void ClearVerdict();
    void cmdTruthTable_Click(int line);
    void OpenTruthTableWindow(int line);
    void RefreshTermsPanel();

    // Computations (Main_processing.cpp)
    void BeginProcessing(std::string_view kind);
    void EndProcessing();
    void RunDeferredWork();
    void cmdHalt_Click();
    void Timer1_Timer();
    void cmdEvaluateConclusion_Click();
    void cmdDetails_Click();

    // Commands (Main_commands.cpp)
    void ReparseFlaggedLines();
    void CancelReparse(int line);
    void cmdClear_Click();
    void mnuClearTerms_Click();
    void ClearLexicon();
    void mnuEliminateUnneededVariables_Click();
    void mnuShowFalseOnly_Click();
    void mnuShowTrueOnly_Click();
    void mnuMultitable_Click();
    // Step tables and the argument table (Main_steps.cpp)
    void mnuShowEverySteps_Click();
    void mnuArgumentTable_Click();
    void mnuShowTree_Click();
    void cmdShowExample_Click();
    void LoadExample(Mode mode);
    void ShowExample(const WorkedExample& example);
    // The question asked before an argument of `mode` replaces the entries; none if nothing
    // would be lost.
    [[nodiscard]] const char* ReplaceQuestion(Mode mode) const;
    // Asks before an argument of `mode` replaces the one on show: whether to save unsaved
    // changes, else ReplaceQuestion; false when the user chose to keep it.
    [[nodiscard]] bool MayReplaceArgument(Mode mode);
    // Types an argument into the lines as a user would: the mode selected with the panel
    // left alone, `defineTerms` run, each line parsed. FinishArgument then evaluates it.
    void TypeArgument(Mode mode, const std::array<std::string, kLineCount>& lines,
                      const std::function<void()>& defineTerms);
    void FinishArgument();
    void cmdToggle_Click();
    void mnuShowTerms_Click();
    void mnuContents_Click();
    void cmdNatSyntaxHelp_Click();
    void ShowTermsPanel();
    void GrowForTermsPanel(int y);
    void mnuAbout_Click();
    void mnuExit_Click();

    // Argument files, printing and export (Main_file.cpp)
    void CreateFileMenu();
    void mnuNew_Click();
    void mnuOpen_Click();
    bool mnuSave_Click();
    bool mnuSaveAs_Click();
    void mnuPrint_Click();
    void mnuExport_Click();
    bool SaveArgumentFile(const QString& path);
    [[nodiscard]] std::string ArgumentFileText() const;
    void MarkSaved();
    // What is on show is a new argument: no file, header or answer key, nothing unsaved.
    void ForgetFile();
    void AddRecentFile(const QString& path);
    void ShowRecentFiles();
    [[nodiscard]] PrintedArgument ArgumentOnPaper();

    Session& session_;
    WindowPrompts& windowPrompts_;

    // Controls, each with its own name as objectName.
    QGroupBox* Frame1;
    QRadioButton* optPropositional;
    QRadioButton* optPredicate;
    QRadioButton* optSetTheory;
    QRadioButton* optNatural;
    std::array<ui::LineEdit*, kLineCount> txt_{};  // txtConclusion, txtCondition1 .. 8
    std::array<QLabel*, kLineCount> lbl_{};
    std::array<ui::PictureBox*, kLineCount> picBox_{};
    std::array<QPushButton*, kLineCount> cmdTruthTable_{};
    QPushButton* cmdEvaluateConclusion;
    QLabel* lblEvaluation;
    QLabel* lblWhy;  // which premises give the verdict, under it
    QPushButton* cmdDetails;
    QGroupBox* frameProcessing;
    QLabel* labelProcessing;
    QPushButton* cmdHalt;
    QTimer* Timer1;
    QPushButton* cmdClear;
    ui::PictureBox* picBoxSyntax;
    QPushButton* cmdToggle;
    QPushButton* cmdUpdateTerms;
    QPushButton* cmdNatSyntaxHelp;
    QPushButton* cmdShowExample;

    QAction* mnuEliminateUnneededVariables;
    QAction* mnuShowFalseOnly;
    QAction* mnuShowTrueOnly;
    QAction* mnuMultitable;
    QAction* mnuShowEverySteps;
    QAction* mnuArgumentTable;
    QAction* mnuShowTree;
    QAction* mnuShowTerms;
    QAction* mnuClearTerms;
    QAction* mnuContents;
    QAction* mnuPropExample;
    QAction* mnuPredExample;
    QAction* mnuSetExample;
    QAction* mnuNatExample;
    QAction* mnuAbout;
    QAction* mnuExit;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QMenu* mnuRecent;
    QAction* mnuPrint;
    QAction* mnuExport;
    QAction* mnuFileExit;

    QString filePath_;       // the argument file shown; empty before one is opened or saved
    std::string savedText_;  // the file's text as last opened or saved
    std::vector<std::string> fileHeader_;  // its comment lines, written back on saving
    std::optional<Verdict> fileExpected_;  // its Expect line, written back on saving

    // Requests that arrived while a computation ran.
    std::optional<int> pendingTruthTable_;  // line whose window is to open
    bool pendingEvaluation_ = false;
    std::bitset<kLineCount> pendingParse_;  // lines left while another computation ran
    long long computationsEnded_ = 0;

    std::shared_ptr<const clsTruthTable> comparisonTable_;
    // A worked example's problem is in picBoxSyntax (until a syntax panel replaces it).
    bool exampleOnShow_ = false;
};

}  // namespace deducto
