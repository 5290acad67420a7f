#pragma once

#include <QString>

// Which typed characters a numeric field keeps. Backspace, Enter and Ctrl+V always pass, so pasted
// text is never filtered; the totals report a pasted text that is not a number.
class KeyFilter
{
public:
    enum class Kind {
        Digits,          // row quantity
        DigitsAndPoint,  // price, discount, row count, paid, tax rate, total
        DigitsAndMinus,  // charges amount
        Nothing,         // page rows: picked from the list only
    };

    static bool accepts(Kind kind, int code);
};
