#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

// One table of an old database file, read whole. Values are QString, qlonglong, double, QDate or
// bool; an invalid QVariant is a database NULL, so NULL and "" stay apart.
struct JetTable
{
    QStringList columns;
    QList<QVariantList> rows;

    // Column names of the old format compare without regard to case; -1 when absent.
    int columnIndex(const QString& name) const
    {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
};
