#pragma once

#include <QDateTime>
#include <QString>

// The proposed document number: date and time to the minute, 12 digits.
class AutoNumber
{
public:
    static QString propose(const QDateTime& now = QDateTime::currentDateTime());
};
