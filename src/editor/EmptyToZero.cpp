#include "editor/EmptyToZero.h"

QString EmptyToZero(QString& text)
{
    if (text.isEmpty())
        text = QStringLiteral("0");
    return text;
}

QString EmptyToZero(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}
