// Font mapping: the first installed face of a short list of candidates per name.
#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <cmath>
#include <initializer_list>

namespace deducto::ui {
namespace {

QString FirstInstalled(std::initializer_list<const char*> candidates, QChar mustHave = QChar()) {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : candidates) {
        const QString family = QString::fromLatin1(name);
        if (!installed.contains(family, Qt::CaseInsensitive)) continue;
        if (!mustHave.isNull() && !QFontMetrics(QFont(family)).inFont(mustHave)) continue;
        return family;
    }
    return {};
}

QString SansSerif() {
    QString family = FirstInstalled({"Liberation Sans", "DejaVu Sans", "Nimbus Sans", "Arial"});
    if (family.isEmpty()) family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return family;
}

QString Lookup(std::string_view name) {
    if (name == kSymbolFont) {
        const QString family = FirstInstalled(
            {"DejaVu Sans", "Standard Symbols PS", "Liberation Serif", "FreeSerif"}, QChar(0x2208));
        return family.isEmpty() ? SansSerif() : family;
    }
    if (name == kDecorativeFont) {
        const QString family = FirstInstalled(
            {"Harrington", "Z003", "URW Chancery L", "TeX Gyre Chorus", "C059", "DejaVu Serif"});
        return family.isEmpty() ? SansSerif() : family;
    }
    return SansSerif();
}

}  // namespace

QString FontFamily(std::string_view name) {
    // Looking a family up asks the font database every time; the answers never change.
    static QHash<QString, QString> cache;
    const QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) it = cache.insert(key, Lookup(name));
    return *it;
}

QFont MapFont(const FontSpec& wanted, double dpiY) {
    QFont font(FontFamily(wanted.name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.size * dpiY / 72.0))));
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace deducto::ui
