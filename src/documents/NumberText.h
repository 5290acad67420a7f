#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

#include <optional>

// Numbers as the document's fields and the stored rows hold them: fixed point with four places
// (ten-thousandths), read in the regional format and written bare for statements.
class NumberText
{
public:
    enum class Status { Ok, NotANumber, OutOfRange };

    struct Fixed
    {
        Status status = Status::Ok;
        qint64 value = 0;  // ten-thousandths
    };

    // An empty (or all-blank) text counts as 0; grouping separators are accepted.
    static Fixed readFixed(const QString& text, const QLocale& locale);
    // A whole number in the 16-bit range, halves going to the even neighbour.
    static Fixed readShort(const QString& text, const QLocale& locale);
    // A stored value (number or text) as ten-thousandths; null and unreadable values are 0.
    static qint64 storedFixed(const QVariant& value);

    // Plain decimal notation with "." and no grouping, trailing zeros dropped: 1250, 9.99, -0.5.
    static QString bare(qint64 tenThousandths);
    // Two decimals (halves away from zero) with the locale's decimal point and digit grouping.
    static QString money(qint64 tenThousandths, const QLocale& locale);
    // A stored number as money text; a null value gives "".
    static QString storedMoney(const QVariant& value, const QLocale& locale);

    // Leading and trailing blanks removed (only blanks, as the fields' own trimming does).
    static QString trimBlanks(const QString& text);
};
