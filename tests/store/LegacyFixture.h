#pragma once

#include "TestSupport.h"

#include <QFile>
#include <QMap>
#include <QVariant>

// The values listed beside the old-format fixture: ID -> column -> value (an invalid QVariant for
// NULL), with the listed length kept to prove the unescaping.
namespace LegacyFixture {

inline QString mdbPath()
{
    return TestSupport::fixture(QStringLiteral("legacy/legacy-2004.mdb"));
}

inline QString unescape(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else
            out += next;
    }
    return out;
}

using Rows = QMap<qlonglong, QMap<QString, QVariant>>;

inline Rows values()
{
    Rows rows;
    QFile file(mdbPath() + QStringLiteral(".values.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        if (cells.size() != 4)
            continue;
        const QVariant value =
            cells[3] == QLatin1String("<NULL>") ? QVariant() : QVariant(unescape(cells[3]));
        if (value.isValid() && value.toString().size() != cells[2].toInt())
            qWarning("length mismatch in the value list for %s", qPrintable(cells[1]));
        rows[cells[0].toLongLong()][cells[1]] = value;
    }
    return rows;
}

} // namespace LegacyFixture
