// Main: typing in a line, leaving it (parsing it and building its table), and the
// "Show Truth Table" buttons.
#include <QLabel>
#include <QPushButton>

#include "LineParser.h"
#include "mainwindow/Main.h"
#include "presentation/DrawFormula.h"
#include "presentation/frmTruthTable.h"
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
    // box gives up the focus, which parses it, and is enabled again when the parse ends.
    if (session_.modeNatural() && key == Qt::Key_Period) txt_[line]->setEnabled(false);
}

void Main::txt_LostFocus(int line) { ParseLine(line); }

void Main::ClearVerdict() {
    lblEvaluation->clear();
    cmdDetails->hide();
}

void Main::ParseLine(int line) {
    ArgumentLine& slot = session_.lines[line];
    if (!slot.changed && !session_.exampleLoading) return;
    if (processing()) {
        // Left while another computation runs (the lines stay usable while a table is
        // built): parsed when that computation ends, never inside it.
        pendingParse_.set(line);
        return;
    }
    slot.changed = false;
    slot.table.reset();
    picBox_[line]->Cls();

    if (LineIsBlank(line)) {
        DisableLineButtons(line);
        return;
    }
    session_.entriesMade = true;
    const std::string typed = txt_[line]->text().toStdString();
    const std::string text = RemoveErrorMarks(typed);
    if (text != typed) txt_[line]->setText(QString::fromStdString(text));

    const LineFormula formula = TranslateAndParse(text, line, session_);
    if (session_.modeNatural()) {
        // A sentence that could not be translated leaves nothing of its old formula behind:
        // a later reparse compares its new translation with this slot.
        if (formula.formulaText.empty()) slot.tokens.clear();
        if (!session_.exampleLoading) RefreshTermsPanel();
    }

    if (!formula.ok()) {
        ShowLineFailure(line, formula.text, formula.markPos(), true);
        ReparseFlaggedLines();
        return;
    }

    BeginProcessing(kTablesOnly);
    slot.tokens = formula.parse.tokenList;
    LineTable built = BuildLineTable(formula.parse.PolishStr, session_);
    switch (built.status.outcome) {
        case Outcome::Done:
            slot.table = std::move(built.table);
            DrawLineFormula(line, formula.parse.scopeWarning);
            EndProcessing();
            break;
        case Outcome::Cancelled:
            pendingTruthTable_.reset();
            pendingEvaluation_ = false;
            EndProcessing();
            cmdTruthTable_[line]->setEnabled(false);
            session_.prompts().ShowMessage(kProcessCanceled);
            slot.table.reset();
            txt_[line]->SetTextColour(Qt::red);
            break;
        case Outcome::LimitReached:
        case Outcome::InternalError:
            ShowLineTooLarge(line, built.status.message);
            break;
    }
    ReparseFlaggedLines();
}

void Main::DrawLineFormula(int line, std::string_view scopeWarning) {
    ui::PictureBox& picture = *picBox_[line];
    picture.CurrentX = 10;
    picture.CurrentY = 40;
    DrawFormula(picture, session_.lines[line].tokens, scopeWarning, session_.mode);
    DescribeLineFormula(line, scopeWarning);
}

bool Main::LineIsBlank(int line) const {
    return txt_[line]->text().toStdString().find_first_not_of(' ') == std::string::npos;
}

void Main::DisableLineButtons(int line) {
    cmdTruthTable_[line]->setEnabled(false);
    if (line == 0) cmdEvaluateConclusion->setEnabled(false);
}

void Main::ShowLineTooLarge(int line, const std::string& message) {
    // Too large to tabulate: the line stands as failed, with the reason, but its text is not
    // marked, for nothing in it is wrong.
    EndProcessing();
    session_.prompts().ShowMessage(message);
    txt_[line]->SetTextColour(Qt::red);
    DisableLineButtons(line);
}

void Main::ShowLineFailure(int line, const std::string& text, int errPos, bool focus) {
    const int markAt = std::clamp(errPos, 0, static_cast<int>(text.size()));
    if (static_cast<int>(text.size()) >= kLongLine) session_.prompts().ShowMessage(kSyntaxError);
    std::string marked = text;
    marked.insert(static_cast<size_t>(markAt), kErrorMark);
    ui::LineEdit& box = *txt_[line];
    box.setText(QString::fromStdString(marked));
    box.SetTextColour(Qt::red);
    box.setEnabled(true);
    if (focus) box.setFocus();
    DisableLineButtons(line);
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
    auto* window = new frmTruthTable(slot.table, slot.tokens, session_, this);
    window->PlaceAtPointer();
    window->ShowWindow(!session_.options.multiTable);
}

}  // namespace deducto
