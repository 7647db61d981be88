// Main: reparsing lines after the terms changed, "CLEAR/RESTART", "Clear All Terms", the
// truth-table options, the worked examples, and the commands that lead elsewhere.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ReadLine.h"
#include "mainwindow/Main.h"
#include "natural/LanguageTermsModel.h"
#include "natural/TermDefinition.h"
#include "natural/TermsPanel.h"
#include "reference/Help.h"
#include "reference/WorkedExamples.h"
#include "truthtable/clsTruthTable.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

namespace deducto {
namespace {

inline constexpr int kTermsFrameHeight = 10000;
inline constexpr int kTermsMainHeight = 13000;

}  // namespace

void Main::ReparseFlaggedLines() {
    if (session_.lineReparse == kNoLines || !session_.modeNatural()) return;
    // A line parsed from inside a reparse (a request carried out by EndProcessing) leaves the
    // remaining flagged lines to the reparse already under way.
    if (session_.ReparseAll) return;
    session_.ReparseAll = true;
    for (int line = 0; line < kLineCount; ++line) {
        if (session_.lineReparse[line] == 'N' || LineIsBlank(line)) continue;
        session_.prompts().ShowMessage(line == 0 ? std::string("Reparsing Conclusion")
                                                 : "Reparsing Premise " + std::to_string(line));
        ui::LineEdit& box = *txt_[line];
        box.setText(QString::fromStdString(RemoveErrorMarks(box.text().toStdString())));
        box.SetTextColour(Qt::black);
        cmdTruthTable_[line]->setEnabled(true);
        ClearLinePicture(line);

        const LineOutcome outcome =
            ReadLine(box.text().toStdString(), line, ReadKind::Reparse, session_, TableHooks());
        if (outcome.result == LineResult::Cancelled) {
            CancelReparse(line);
            return;
        }
        if (outcome.result != LineResult::Unchanged) ClearVerdict();
        ShowLineOutcome(line, outcome, false);
    }
    session_.ReparseAll = false;
}

void Main::CancelReparse(int line) {
    pendingTruthTable_.reset();
    pendingEvaluation_ = false;
    EndProcessing();
    cmdTruthTable_[line]->setEnabled(false);
    // No table built from an outdated translation may survive: the line that was being
    // rebuilt and every later flagged line are left failed and empty.
    for (int k = line; k < kLineCount; ++k) {
        ArgumentLine& slot = session_.lines[k];
        if (k != line && (session_.lineReparse[k] == 'N' || slot.tokens.empty())) continue;
        txt_[k]->SetTextColour(Qt::red);
        txt_[k]->setEnabled(true);
        DisableLineButtons(k);
        ClearLinePicture(k);
        slot.table.reset();
        slot.tokens.clear();
    }
    session_.ReparseAll = false;
    session_.prompts().ShowMessage(kReparseCanceled);
}

void Main::cmdClear_Click() {
    cmdDetails->hide();
    cmdEvaluateConclusion->setEnabled(false);
    for (QPushButton* button : cmdTruthTable_) button->setEnabled(false);
    lblEvaluation->clear();
    lblWhy->clear();
    for (int line = 0; line < kLineCount; ++line) {
        ClearLinePicture(line);
        txt_[line]->setText(QString());
        txt_[line]->SetTextColour(Qt::black);
        txt_[line]->setEnabled(true);
        session_.lines[line].changed = false;
    }
    session_.ResetTables();
    session_.ResetTokens();
    txt_[1]->setFocus();
    session_.entriesMade = false;
    ShowModePanel();
    SetWindowSize(kMainSize);
    // A cleared argument is a new one: saving it must not reuse the old file's comments.
    ForgetFile();
}

void Main::mnuClearTerms_Click() {
    if (!session_.prompts().Confirm("Are you sure you want to clear all terms permanently?")) {
        return;
    }
    ClearLexicon();
    for (int line = 0; line < kLineCount; ++line) {
        if (session_.lines[line].table) session_.lineReparse[line] = 'T';
    }
    ReparseFlaggedLines();
    // The panel shows the lexicon as it now is, not the terms just deleted.
    if (cmdToggle->text() == QLatin1String(kShowSyntax)) ShowTermsPanel();
}

void Main::ClearLexicon() {
    session_.lexicon.Clear();
    // Every term from now on is new to the terms panel, however many it listed before.
    session_.lexicon.TermsShownCount = 0;
}

void Main::mnuEliminateUnneededVariables_Click() {
    session_.options.eliminateUnneeded = mnuEliminateUnneededVariables->isChecked();
}

void Main::mnuShowFalseOnly_Click() {
    session_.options.showFalseOnly = mnuShowFalseOnly->isChecked();
    if (session_.options.showFalseOnly) {
        session_.options.showTrueOnly = false;
        mnuShowTrueOnly->setChecked(false);
    }
}

void Main::mnuShowTrueOnly_Click() {
    session_.options.showTrueOnly = mnuShowTrueOnly->isChecked();
    if (session_.options.showTrueOnly) {
        session_.options.showFalseOnly = false;
        mnuShowFalseOnly->setChecked(false);
    }
}

void Main::mnuMultitable_Click() { session_.options.multiTable = mnuMultitable->isChecked(); }

void Main::cmdShowExample_Click() { LoadExample(session_.mode); }

void Main::LoadExample(Mode mode) {
    const WorkedExample& example = ExampleFor(mode);
    if (!MayReplaceArgument(mode)) return;
    if (ReplaceQuestion(mode) != nullptr) cmdClear_Click();
    ShowExample(example);
    // The bundled example is no one's unsaved work, and no file's.
    ForgetFile();
}

const char* Main::ReplaceQuestion(Mode mode) const {
    bool anyText = false;
    for (const ui::LineEdit* box : txt_) anyText = anyText || !box->text().isEmpty();
    // A natural-language argument also replaces the lexicon, so it asks about the terms too.
    if (mode != Mode::Natural) {
        return anyText ? "This action will clear any entries already made." : nullptr;
    }
    if (anyText) return "This action will clear all terms and any entries already entered.";
    if (session_.lexicon.TermCount() > 0) return "This action will clear all terms.";
    return nullptr;
}

void Main::ShowExample(const WorkedExample& example) {
    DrawExampleProblem(*picBoxSyntax, example);
    exampleOnShow_ = true;
    std::array<std::string, kLineCount> lines{};
    lines[0] = example.conclusion;
    const int premises = std::min(static_cast<int>(example.premises.size()), kLineCount - 1);
    for (int line = 1; line <= premises; ++line) lines[line] = example.premises[line - 1];
    TypeArgument(example.mode, lines, [this, &example] {
        if (example.mode != Mode::Natural) return;
        cmdNatSyntaxHelp->hide();
        // Clear of the problem's title, as on the syntax panel.
        PlaceUpdateTerms(13800);
        cmdUpdateTerms->show();
        ClearLexicon();
        for (const ExampleTerm& term : example.terms) {
            const TermDefinition defined = DefineTerm(term.kind, term.text, session_.lexicon);
            if (!defined.ok()) session_.prompts().ShowMessage(defined.error);
        }
    });
    SetWindowSize(kExampleSize);
    FinishArgument();
}

void Main::TypeArgument(Mode mode, const std::array<std::string, kLineCount>& lines,
                        const std::function<void()>& defineTerms) {
    session_.exampleLoading = true;
    // Every line is empty now, so switching mode has nothing to ask about.
    session_.entriesMade = false;
    OptionFor(mode)->setChecked(true);
    defineTerms();
    for (int line = 1; line < kLineCount; ++line) {
        if (lines[line].empty()) continue;
        txt_[line]->setText(QString::fromStdString(lines[line]));
        txt_[line]->setCursorPosition(0);  // a long sentence shows its beginning
        ParseLine(line);
    }
    txt_[0]->setText(QString::fromStdString(lines[0]));
    txt_[0]->setCursorPosition(0);
    for (int line = 1; line < kLineCount; ++line) {
        if (!lines[line].empty()) cmdTruthTable_[line]->setEnabled(true);
    }
    cmdTruthTable_[0]->setEnabled(true);
    cmdEvaluateConclusion->setEnabled(true);
    ParseLine(0);
}

void Main::FinishArgument() {
    session_.exampleLoading = false;
    cmdEvaluateConclusion_Click();
    cmdEvaluateConclusion->setFocus();
}

void Main::cmdToggle_Click() {
    if (cmdToggle->text() == QLatin1String(kShowTerms)) {
        ShowTermsPanel();
        return;
    }
    ShowModePanel();
}

void Main::ShowTermsPanel() {
    const int y = DrawTermsPanel(*picBoxSyntax, session_.lexicon);
    PlaceUpdateTerms(11040);
    cmdUpdateTerms->show();
    cmdNatSyntaxHelp->hide();
    cmdToggle->setText(QString::fromLatin1(kShowSyntax));
    session_.lexicon.TermsShownCount = session_.lexicon.TermCount();
    if (y >= kTermsPanelGrowFrom) GrowForTermsPanel(y);
    emit termsPanelShown();
}

void Main::GrowForTermsPanel(int y) {
    // The frame keeps to a height that fits a screen and scrolls the taller main window.
    QWidget* frame = window();
    if (frame != this && !frame->isMaximized()) {
        frame->resize(frame->width(), ui::ToPixels(kTermsFrameHeight, ui::DpiOf(*frame).y));
    }
    ui::TwipSize size = ui::ToTwips(this->size(), *this);
    size.height = std::max({size.height, kTermsMainHeight, y + 500});
    resize(ui::ToPixels(size, *this));
}

void Main::mnuShowTerms_Click() {
    if (processing()) return;  // the table is being built from the lexicon as it stands
    // A line still being typed is read first, so that its new words are in the table.
    for (int line = 0; line < kLineCount; ++line) {
        if (session_.lines[line].changed) {
            ParseLine(line);
            break;
        }
    }
    LanguageTermsModel window(session_, "");
    session_.prompts().EditLanguageTerms(window);
    ReparseFlaggedLines();
    if (cmdToggle->text() == QLatin1String(kShowSyntax)) ShowTermsPanel();
}

void Main::mnuContents_Click() { LaunchHelp(kHelpContents); }

void Main::cmdNatSyntaxHelp_Click() { LaunchHelp(kHelpNaturalSentences); }

void Main::mnuAbout_Click() { ShowAbout(windowPrompts_); }

void Main::mnuExit_Click() {
    if (!MaybeSaveChanges()) return;
    session_.progress.haltRequested = true;
    emit exitRequested();
}

}  // namespace deducto
