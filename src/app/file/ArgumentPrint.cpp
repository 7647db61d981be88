#include "file/ArgumentPrint.h"

#include <QFile>
#include <QPdfWriter>
#include <QTextDocument>

#include "Notation.h"

namespace deducto {

namespace {

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

}  // namespace

QString ArgumentHtml(const PrintedArgument& argument) {
    // Colours are left out on purpose: the page must read the same on a black-and-white
    // printer, so rows are told apart by rules and weight only.
    QString html = QStringLiteral("<html><body style=\"color:black; background:white\">");
    html += QStringLiteral("<h2>%1</h2>").arg(argument.title.toHtmlEscaped());
    html +=
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">");
    html += QStringLiteral(
        "<tr><th align=\"left\">Line</th><th align=\"left\">As typed</th>"
        "<th align=\"left\">Formula</th></tr>");
    for (int step = 1; step <= kLineCount; ++step) {
        const int line = step % kLineCount;  // the premises in order, then the conclusion
        if (argument.texts[line].empty()) continue;
        const std::string& tokens = argument.formulas[line];
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(QString::fromStdString(LineName(line)), Escaped(argument.texts[line]),
                         tokens.empty() ? QStringLiteral("(not read)")
                                        : Escaped(DisplayFormula(tokens)));
    }
    html += QStringLiteral("</table>");
    if (!argument.verdict.empty()) {
        html += QStringLiteral("<p><b>%1</b></p>").arg(Escaped(argument.verdict));
    }
    if (!argument.cases.empty()) {
        html += QStringLiteral("<p>%1</p><ol>").arg(QString::fromLatin1(kDetailsHeading));
        for (const CaseText& lines : argument.cases) {
            QStringList parts;
            for (const std::string& text : lines) parts << Escaped(text);
            html += QStringLiteral("<li>%1</li>").arg(parts.join(QStringLiteral("<br>")));
        }
        html += QStringLiteral("</ol>");
    }
    return html + QStringLiteral("</body></html>");
}

void PrintArgument(const PrintedArgument& argument, QPagedPaintDevice& device) {
    QTextDocument document;
    document.setHtml(ArgumentHtml(argument));
    document.print(&device);
}

bool WriteArgumentPdf(const PrintedArgument& argument, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(argument.title);
        writer.setPageSize(QPageSize(QPageSize::A4));
        PrintArgument(argument, writer);
    }
    return file.error() == QFileDevice::NoError;
}

}  // namespace deducto
