#include "presentation/TableExportActions.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QWidget>

#include "UserPrompts.h"
#include "ui/WindowPrompts.h"

namespace deducto {

TableFormat FormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv")) return TableFormat::Csv;
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown")) {
        return TableFormat::Markdown;
    }
    if (suffix == QLatin1String("tex")) return TableFormat::Latex;
    return TableFormat::Text;
}

void AddTableExport(QWidget& window, QWidget& picture, TableWriter table, UserPrompts& prompts,
                    WindowPrompts& files) {
    auto* copy = new QAction(QStringLiteral("Copy"), &window);
    copy->setObjectName(QStringLiteral("mnuCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    auto* exportTable = new QAction(QStringLiteral("Export..."), &window);
    exportTable->setObjectName(QStringLiteral("mnuExportTable"));
    QObject::connect(copy, &QAction::triggered, &window, [table] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(table(TableFormat::Text)));
    });
    QObject::connect(exportTable, &QAction::triggered, &window, [table, &prompts, &files] {
        const std::string chosen = files.ChooseFile(FileQuestion::ExportTable, "table.csv");
        if (chosen.empty()) return;
        const QString path = QString::fromStdString(chosen);
        const std::string text = table(FormatForPath(path));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size()) ||
            !file.commit()) {
            prompts.ShowMessage("Cannot write " + QFileInfo(path).fileName().toStdString() + ": " +
                                file.errorString().toStdString());
        }
    });
    window.addAction(copy);
    window.addAction(exportTable);
    picture.addAction(copy);
    picture.addAction(exportTable);
    picture.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace deducto
