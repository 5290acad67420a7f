#pragma once

#include <QByteArray>
#include <QString>

// What a JSON parser lets through silently but a document file must not hold: the same key twice in
// one object (the parser keeps the last) and a \u escape of half a surrogate pair (the parser
// takes the following character with it). For text the parser has already accepted as JSON.
class StrictJsonCheck
{
public:
    // The message naming the key, or "" when there is nothing to refuse.
    static QString problem(const QByteArray& json);
};
