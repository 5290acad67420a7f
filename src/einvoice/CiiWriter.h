#pragma once

#include "einvoice/Einvoice.h"

#include <QByteArray>

// An electronic invoice in UN/CEFACT Cross Industry Invoice syntax (UTF-8), profile EN 16931.
class CiiWriter
{
public:
    static QByteArray write(const Einvoice& invoice);
    static QString guidelineId();
};
