// Main: the frame around a running computation (progress, "&Cancel", requests held until
// it ends), "EVALUATE CONCLUSION" and "Details".
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "mainwindow/Main.h"
#include "presentation/frmDetails.h"
#include "truthtable/clsTruthTable.h"
#include "truthtable/modEvaluate.h"
#include "truthtable/modExplain.h"
#include "ui/LineEdit.h"

namespace deducto {
namespace {

// Below this many units a percentage would only flicker: dots are shown instead.
inline constexpr long long kPercentFrom = 101;

}  // namespace

bool Main::processing() const { return Timer1->isActive(); }

void Main::BeginProcessing(std::string_view kind) {
    // Running from here on, before any control is disabled: disabling the box that has the
    // focus moves the focus, and that must not start a parse inside this computation.
    Timer1->start();
    session_.progress.step = Step::Calculating;
    labelProcessing->setText(QString::fromLatin1(StepText(Step::Calculating)));
    frameProcessing->show();
    frameProcessing->raise();
    if (kind != kTablesOnly) {
        for (int line = 0; line < kLineCount; ++line) {
            txt_[line]->setEnabled(false);
            cmdTruthTable_[line]->setEnabled(false);
        }
    }
    cmdClear->setEnabled(false);
    // Opening a file would replace the lines inside this computation.
    for (QAction* example :
         {mnuPropExample, mnuPredExample, mnuSetExample, mnuNatExample, mnuNew, mnuOpen}) {
        example->setEnabled(false);
    }
    cmdShowExample->setEnabled(false);
    for (QRadioButton* option : {optPropositional, optPredicate, optSetTheory, optNatural}) {
        option->setEnabled(false);
    }
    // Clearing or editing the terms would reparse lines inside this computation.
    mnuClearTerms->setEnabled(false);
    mnuShowTerms->setEnabled(false);
    cmdUpdateTerms->setEnabled(false);
    repaint();
}

void Main::EndProcessing() {
    Timer1->stop();
    frameProcessing->hide();
    for (ui::LineEdit* text : txt_) text->setEnabled(true);
    for (QAction* example :
         {mnuPropExample, mnuPredExample, mnuSetExample, mnuNatExample, mnuNew, mnuOpen}) {
        example->setEnabled(true);
    }
    cmdShowExample->setEnabled(true);
    cmdClear->setEnabled(true);
    for (QRadioButton* option : {optPropositional, optPredicate, optSetTheory, optNatural}) {
        option->setEnabled(true);
    }
    mnuClearTerms->setEnabled(true);
    mnuShowTerms->setEnabled(true);
    cmdUpdateTerms->setEnabled(true);
    for (const int line : kReadingOrder) {
        if (session_.lines[line].table) cmdTruthTable_[line]->setEnabled(true);
    }
    session_.progress.haltRequested = false;
    ++computationsEnded_;
    RunDeferredWork();
}

void Main::RunDeferredWork() {
    while (pendingParse_.any()) {
        int line = 0;
        while (!pendingParse_.test(line)) ++line;
        pendingParse_.reset(line);
        // A verdict reached meanwhile predates this line's new text.
        if (session_.lines[line].changed) ClearVerdict();
        const long long before = computationsEnded_;
        ParseLine(line);
        // A parse that computed ended with EndProcessing, which has done the rest.
        if (computationsEnded_ != before) return;
    }
    if (pendingTruthTable_) {
        const int line = *pendingTruthTable_;
        pendingTruthTable_.reset();
        OpenTruthTableWindow(line);
    } else if (pendingEvaluation_) {
        pendingEvaluation_ = false;
        cmdEvaluateConclusion_Click();
    }
}

void Main::cmdHalt_Click() { session_.progress.haltRequested = true; }

void Main::Timer1_Timer() {
    const Progress& progress = session_.progress;
    const QString text = QString::fromLatin1(StepText(progress.step));
    if (StepCountsProgress(progress.step) && progress.progressTotal >= kPercentFrom) {
        const double percent = static_cast<double>(progress.progressCurrent) * 100.0 /
                               static_cast<double>(progress.progressTotal);
        labelProcessing->setText(text + QStringLiteral(" (") + QLocale().toString(percent, 'f', 2) +
                                 QStringLiteral("%)"));
    } else {
        const QString caption = labelProcessing->text();
        QString next = text + QStringLiteral("...");
        if (caption == text + QStringLiteral("...")) {
            next = text;
        } else if (caption == text) {
            next = text + QStringLiteral(".");
        } else if (caption == text + QStringLiteral(".")) {
            next = text + QStringLiteral("..");
        }
        labelProcessing->setText(next);
    }
    labelProcessing->repaint();
}

void Main::cmdEvaluateConclusion_Click() {
    if (processing()) {
        pendingEvaluation_ = true;
        return;
    }
    if (!session_.lines[0].table) return;  // nothing to judge until the conclusion parses
    BeginProcessing("");
    const Evaluation result = EvaluateArgument(session_.lines, session_.mode, session_.computation);
    switch (result.status.outcome) {
        case Outcome::Cancelled:
            EndProcessing();
            session_.prompts().ShowMessage(kProcessCanceled);
            return;
        case Outcome::LimitReached:
        case Outcome::InternalError:
            EndProcessing();
            session_.prompts().ShowMessage(result.status.message);
            return;
        case Outcome::Done:
            break;
    }
    // The premises behind the verdict are part of the evaluation: a cancel stops both.
    const Explanation why = ExplainArgument(session_.lines, result.verdict, session_.computation);
    if (why.status.outcome == Outcome::Cancelled) {
        EndProcessing();
        session_.prompts().ShowMessage(kProcessCanceled);
        return;
    }
    comparisonTable_ = result.comparisonTable;
    lblEvaluation->setText(QString::fromLatin1(VerdictText(result.verdict)));
    lblWhy->setText(QString::fromStdString(ExplanationText(why)));
    AnnounceVerdict();
    cmdDetails->setVisible(result.doesNotFollow());
    EndProcessing();
}

void Main::cmdDetails_Click() {
    // The cases are worded for the current mode, which must be the kind the table was built in.
    if (!comparisonTable_ ||
        IsPredicateType(comparisonTable_->mode()) != IsPredicateType(session_.mode)) {
        return;
    }
    auto* window = new frmDetails(comparisonTable_, session_, windowPrompts_, this);
    window->PlaceAtPointer();
    window->ShowWindow(true);
}

}  // namespace deducto
