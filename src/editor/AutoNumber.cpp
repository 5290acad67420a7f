#include "editor/AutoNumber.h"

QString AutoNumber::propose(const QDateTime& now)
{
    return now.toString(QStringLiteral("yyyyMMddHHmm"));
}
