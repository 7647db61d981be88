// Main: typing in a line, leaving it (parsing it and building its table), and the
// "Show Truth Table" buttons.
#include <QLabel>
#include <QPushButton>

#include "ReadLine.h"
#include "mainwindow/Main.h"
#include "presentation/DrawFormula.h"
#include "presentation/frmTruthTable.h"
#include "text/Spacing.h"
#include "truthtable/clsTruthTable.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

namespace deducto {
void Main::txt_KeyDown(int line) {
    ClearVerdict();
    session_.lines[line].changed = true;
    txt_[line]->SetTextColour(Qt::black);
    cmdTruthTable_[line]->setEnabled(true);
    if (line == 0) cmdEvaluateConclusion->setEnabled(true);
}

void Main::txt_KeyUp(int line, int key) {
    // In natural language a sentence is translated as soon as its full stop is typed: the
    // box gives up the focus, which parses it, and is enabled again when the parse ends. A
    // full stop that did not enter the text (the line is full) starts nothing.
    if (session_.modeNatural() && key == Qt::Key_Period && txt_[line]->lastKeyChangedText()) {
        txt_[line]->setEnabled(false);
    }
}

void Main::txt_LostFocus(int line) { ParseLine(line); }

void Main::ClearVerdict() {
    lblEvaluation->clear();
    lblWhy->clear();
    cmdDetails->hide();
}

void Main::ParseLine(int line) {
    const ArgumentLine& slot = session_.lines[line];
    if (!slot.changed && !session_.exampleLoading) return;
    if (processing()) {
        // Left while another computation runs (the lines stay usable while a table is
        // built): parsed when that computation ends, never inside it.
        pendingParse_.set(line);
        return;
    }
    ClearLinePicture(line);
    const LineOutcome outcome =
        ReadLine(txt_[line]->text().toStdString(), line, ReadKind::Edit, session_, TableHooks());
    if (session_.modeNatural() && outcome.result != LineResult::Blank && !session_.exampleLoading) {
        RefreshTermsPanel();
    }
    if (outcome.result == LineResult::Cancelled) {
        pendingTruthTable_.reset();
        pendingEvaluation_ = false;
        EndProcessing();
        cmdTruthTable_[line]->setEnabled(false);
        session_.prompts().ShowMessage(kProcessCanceled);
        txt_[line]->SetTextColour(Qt::red);
    } else {
        ShowLineOutcome(line, outcome, true);
    }
    ReparseFlaggedLines();
}

TableBuildHooks Main::TableHooks() {
    return {[this] { BeginProcessing(kTablesOnly); }, [this] { EndProcessing(); }};
}

void Main::ShowLineOutcome(int line, const LineOutcome& outcome, bool focus) {
    ui::LineEdit& box = *txt_[line];
    if (box.text().toStdString() != outcome.text) box.setText(QString::fromStdString(outcome.text));
    switch (outcome.result) {
        case LineResult::Blank:
            DisableLineButtons(line);
            return;
        case LineResult::Unchanged:
            DrawLineFormula(line, outcome.parse.scopeWarning);
            return;
        case LineResult::Built:
            DrawLineFormula(line, outcome.parse.scopeWarning);
            EndProcessing();
            return;
        case LineResult::Cancelled:  // handled by the caller: a reparse cancels more lines
            return;
        case LineResult::SyntaxError:
        case LineResult::LimitReached:
        case LineResult::InternalError:
            // A table too large is no mistake in the text: the line is red but unmarked.
            box.SetTextColour(Qt::red);
            box.setEnabled(true);
            if (focus && outcome.marked) box.setFocus();
            DisableLineButtons(line);
            return;
    }
}

void Main::DrawLineFormula(int line, std::string_view scopeWarning) {
    ui::PictureBox& picture = *picBox_[line];
    picture.CurrentX = 10;
    picture.CurrentY = 40;
    const int end = DrawFormula(picture, session_.lines[line].tokens, {}, session_.mode);
    if (!scopeWarning.empty()) {
        // Read in full without hovering: after the formula when it fits, else below it.
        constexpr int kGap = 280;
        const bool below =
            end + kGap + picture.TextWidth(scopeWarning) > LinePictureRect(line, false).width;
        ui::SetTwipGeometry(picture, LinePictureRect(line, below));
        picture.ForeColor = ui::kRed;
        picture.PrintAt(below ? (line == 0 ? kConclusionWarningX : 10) : end + kGap,
                        below ? 40 + kWarningRowHeight : 40, scopeWarning);
        picture.ForeColor = ui::kBlack;
    }
    DescribeLineFormula(line, scopeWarning);
}

void Main::ClearLinePicture(int line) {
    picBox_[line]->Cls();
    ui::SetTwipGeometry(*picBox_[line], LinePictureRect(line, false));
}

bool Main::LineIsBlank(int line) const { return Trim(txt_[line]->text().toStdString()).empty(); }

void Main::DisableLineButtons(int line) {
    cmdTruthTable_[line]->setEnabled(false);
    if (line == 0) cmdEvaluateConclusion->setEnabled(false);
}

void Main::RefreshTermsPanel() {
    // Redrawn when it is on show, or when the translator has added terms since it was last
    // drawn, so that the new terms appear (in bold) at once.
    const Lexicon& lexicon = session_.lexicon;
    if (cmdToggle->text() == QLatin1String(kShowSyntax) ||
        lexicon.TermCount() > lexicon.TermsShownCount) {
        ShowTermsPanel();
    }
}

void Main::cmdTruthTable_Click(int line) { OpenTruthTableWindow(line); }

void Main::OpenTruthTableWindow(int line) {
    if (processing()) {
        pendingTruthTable_ = line;
        return;
    }
    const ArgumentLine& slot = session_.lines[line];
    if (!slot.table) return;  // the button can be live before the line is parsed
    auto* window =
        new frmTruthTable(slot.table, slot.tokens, session_, windowPrompts_, this, slot.PolishStr);
    window->PlaceAtPointer();
    window->ShowWindow(!session_.options.multiTable);
}

}  // namespace deducto
