#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>

// The payment block "Insert Paid" puts into the notes, for the user to complete by hand.
class PaidBlock
{
    Q_DECLARE_TR_FUNCTIONS(PaidBlock)

public:
    static QString text(const QString& currencySymbol, const QDateTime& now = QDateTime::currentDateTime(),
                        const QLocale& locale = QLocale());
};
