// Main: the File menu. Argument files open the way a worked example loads and save what
// the window holds; the argument prints or goes to a PDF.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>

#include "ReadLine.h"
#include "file/ArgumentFile.h"
#include "file/ArgumentPrint.h"
#include "mainwindow/Main.h"
#include "natural/TermDefinition.h"
#include "text/Spacing.h"
#include "ui/LineEdit.h"

namespace deducto {

namespace {

constexpr int kRecentFiles = 8;
constexpr const char* kRecentKey = "recentFiles";

// Defines the terms in a lexicon of their own first, so that a term the lexicon refuses
// is found before anything in the window has changed.
std::string TermProblem(const ArgumentText& argument) {
    Lexicon trial;
    for (const TermLine& term : argument.terms) {
        const TermDefinition defined = DefineTerm(term.kind, term.text, trial);
        if (!defined.ok()) return AtLine(term.fileLine, defined.error);
    }
    return {};
}

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

std::string CannotOpen(const QString& path, const std::string& why) {
    return "Cannot open " + FileName(path).toStdString() + ": " + why;
}

// The window never holds more than this, so a larger file is not an argument file.
constexpr qint64 kMaxFileBytes = static_cast<qint64>(kMaxInputBytes);

}  // namespace

void Main::CreateFileMenu() {
    mnuFile = new QMenu(QStringLiteral("&File"), this);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto add = [this](const char* name, const char* caption, QKeySequence keys) {
        auto* action = new QAction(QString::fromLatin1(caption), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        mnuFile->addAction(action);
        return action;
    };
    mnuNew = add("mnuNew", "&New", QKeySequence::New);
    mnuOpen = add("mnuOpen", "&Open...", QKeySequence::Open);
    mnuSave = add("mnuSave", "&Save", QKeySequence::Save);
    mnuSaveAs = add("mnuSaveAs", "Save &As...", QKeySequence::SaveAs);
    // Owned by the window, as every menu is, not by the menu that shows it.
    mnuRecent = new QMenu(QStringLiteral("Open &Recent"), this);
    mnuFile->addMenu(mnuRecent);
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    mnuFile->addSeparator();
    mnuPrint = add("mnuPrint", "&Print...", QKeySequence::Print);
    mnuExport = add("mnuExport", "&Export...", {});
    mnuExport->setToolTip(QStringLiteral("Export as PDF"));
    mnuFile->addSeparator();
    mnuFileExit = add("mnuFileExit", "E&xit", {});

    connect(mnuNew, &QAction::triggered, this, &Main::mnuNew_Click);
    connect(mnuOpen, &QAction::triggered, this, &Main::mnuOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &Main::mnuSave_Click);
    connect(mnuSaveAs, &QAction::triggered, this, &Main::mnuSaveAs_Click);
    connect(mnuPrint, &QAction::triggered, this, &Main::mnuPrint_Click);
    connect(mnuExport, &QAction::triggered, this, &Main::mnuExport_Click);
    connect(mnuFileExit, &QAction::triggered, this, &Main::mnuExit_Click);
    connect(mnuRecent, &QMenu::aboutToShow, this, &Main::ShowRecentFiles);
    ShowRecentFiles();

    // The caption follows every change a user makes to what a save would write.
    for (ui::LineEdit* box : txt_)
        connect(box, &QLineEdit::textChanged, this, &Main::captionChanged);
    for (QRadioButton* option : {optPropositional, optPredicate, optSetTheory, optNatural}) {
        connect(option, &QRadioButton::toggled, this, &Main::captionChanged);
    }
}

std::string Main::ArgumentFileText() const {
    ArgumentText argument;
    argument.mode = session_.mode;
    argument.header = fileHeader_;
    argument.expected = fileExpected_;
    // The reader takes terms in natural-language files only; other modes leave the lexicon be.
    if (session_.modeNatural()) argument.terms = LexiconTerms(session_.lexicon);
    for (int line = 0; line < kLineCount; ++line) {
        const std::string text = RemoveErrorMarks(txt_[line]->text().toStdString());
        argument.lines[line] = std::string(Trim(text));
    }
    return WriteArgumentFile(argument);
}

bool Main::modified() const { return ArgumentFileText() != savedText_; }

QString Main::FileCaption() const {
    const bool changed = modified();
    if (filePath_.isEmpty() && !changed) return QString::fromLatin1(kCaption);
    const QString name = filePath_.isEmpty() ? QStringLiteral("Untitled") : FileName(filePath_);
    return name + (changed ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") +
           QString::fromLatin1(kCaption);
}

void Main::MarkSaved() {
    savedText_ = ArgumentFileText();
    emit captionChanged();
}

bool Main::MaybeSaveChanges() {
    if (!modified()) return true;
    const std::string name =
        filePath_.isEmpty() ? std::string("the argument") : FileName(filePath_).toStdString();
    switch (windowPrompts_.AskToSave("Save the changes to " + name + " before closing?")) {
        case SaveChoice::Save:
            return mnuSave_Click();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            return false;
    }
    return false;
}

bool Main::MayReplaceArgument(Mode mode) {
    if (modified()) return MaybeSaveChanges();
    const char* question = ReplaceQuestion(mode);
    return question == nullptr || session_.prompts().Confirm(question);
}

void Main::ForgetFile() {
    filePath_.clear();
    fileHeader_.clear();
    fileExpected_.reset();
    MarkSaved();
}

void Main::mnuNew_Click() {
    if (!MaybeSaveChanges()) return;
    cmdClear_Click();
}

void Main::mnuOpen_Click() {
    const std::string path =
        windowPrompts_.ChooseFile(FileQuestion::OpenArgument, filePath_.toStdString());
    if (!path.empty()) OpenArgumentFile(QString::fromStdString(path));
}

bool Main::OpenArgumentFile(const QString& path) {
    if (processing()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        session_.prompts().ShowMessage(CannotOpen(path, file.errorString().toStdString()));
        return false;
    }
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes || file.error() != QFileDevice::NoError) {
        session_.prompts().ShowMessage(CannotOpen(path, bytes.size() > kMaxFileBytes
                                                            ? "too large for an argument file"
                                                            : file.errorString().toStdString()));
        return false;
    }
    const ReadArgumentText read =
        ReadArgumentFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    std::string problem = read.error;
    if (problem.empty()) problem = TermProblem(read.argument);
    if (!problem.empty()) {
        session_.prompts().ShowMessage(CannotOpen(path, problem));
        return false;
    }
    const ArgumentText& argument = read.argument;
    if (!MayReplaceArgument(argument.mode)) return false;
    cmdClear_Click();
    TypeArgument(argument.mode, argument.lines, [this, &argument] {
        if (argument.mode != Mode::Natural) return;
        ClearLexicon();
        // Tried out above: every term goes in.
        for (const TermLine& term : argument.terms) {
            [[maybe_unused]] const TermDefinition defined =
                DefineTerm(term.kind, term.text, session_.lexicon);
        }
    });
    // The file has no word problem: the mode's own panel goes with its lines.
    ShowModePanel();
    FinishArgument();
    filePath_ = QFileInfo(path).absoluteFilePath();
    fileHeader_ = argument.header;
    fileExpected_ = argument.expected;
    AddRecentFile(filePath_);
    MarkSaved();
    return true;
}

bool Main::mnuSave_Click() {
    if (filePath_.isEmpty()) return mnuSaveAs_Click();
    return SaveArgumentFile(filePath_);
}

bool Main::mnuSaveAs_Click() {
    const QString suggested = filePath_.isEmpty() ? QStringLiteral("argument.deducto") : filePath_;
    const std::string chosen =
        windowPrompts_.ChooseFile(FileQuestion::SaveArgument, suggested.toStdString());
    if (chosen.empty()) return false;
    QString path = QString::fromStdString(chosen);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".deducto");
    return SaveArgumentFile(path);
}

bool Main::SaveArgumentFile(const QString& path) {
    const std::string text = ArgumentFileText();
    // Written beside the file and renamed over it: a failed save leaves the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        session_.prompts().ShowMessage("Cannot save " + FileName(path).toStdString() + ": " +
                                       file.errorString().toStdString());
        return false;
    }
    filePath_ = QFileInfo(path).absoluteFilePath();
    AddRecentFile(filePath_);
    MarkSaved();
    return true;
}

void Main::AddRecentFile(const QString& path) {
    QSettings settings;
    QStringList recent = settings.value(QString::fromLatin1(kRecentKey)).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFiles) recent.removeLast();
    settings.setValue(QString::fromLatin1(kRecentKey), recent);
    ShowRecentFiles();
}

void Main::ShowRecentFiles() {
    mnuRecent->clear();
    const QStringList recent = QSettings().value(QString::fromLatin1(kRecentKey)).toStringList();
    for (int i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        QAction* action =
            mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(FileName(path)));
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { OpenArgumentFile(path); });
    }
    mnuRecent->setEnabled(!recent.isEmpty());
}

PrintedArgument Main::ArgumentOnPaper() {
    PrintedArgument printed;
    printed.title = filePath_.isEmpty() ? QString::fromLatin1(kCaption) : FileName(filePath_);
    for (int line = 0; line < kLineCount; ++line) {
        printed.texts[line] = txt_[line]->text().toStdString();
        printed.formulas[line] = session_.lines[line].tokens;
    }
    printed.verdict = lblEvaluation->text().toStdString();
    if (cmdDetails->isVisible() && comparisonTable_) {
        printed.cases =
            DescribeFailingCases(*comparisonTable_, session_.lexicon, session_.prompts());
    }
    return printed;
}

void Main::mnuPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setColorMode(QPrinter::GrayScale);
    printer.setDocName(filePath_.isEmpty() ? QString::fromLatin1(kCaption) : FileName(filePath_));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintArgument(ArgumentOnPaper(), printer);
}

void Main::mnuExport_Click() {
    const QString suggested = filePath_.isEmpty() ? QStringLiteral("argument.pdf")
                                                  : QFileInfo(filePath_).path() + QLatin1Char('/') +
                                                        QFileInfo(filePath_).completeBaseName() +
                                                        QStringLiteral(".pdf");
    const std::string chosen =
        windowPrompts_.ChooseFile(FileQuestion::ExportPdf, suggested.toStdString());
    if (chosen.empty()) return;
    QString path = QString::fromStdString(chosen);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    if (!WriteArgumentPdf(ArgumentOnPaper(), path)) {
        session_.prompts().ShowMessage("Cannot write " + FileName(path).toStdString());
    }
}

}  // namespace deducto
