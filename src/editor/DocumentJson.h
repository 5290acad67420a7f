#pragma once

#include "editor/Document.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The document as one JSON object: what the command-line tool reads and prints.
class DocumentJson
{
public:
    struct ReadResult
    {
        bool ok = false;
        QString error;
        Document document;
        bool hasCompany = false;     // "company" was given
        bool hasLetterhead = false;  // "letterhead" was given
    };

    // A malformed text, a wrong type or an unknown key is an error naming the key.
    static ReadResult read(const QByteArray& json);
    static QJsonObject toJson(const Document& document);
    static QByteArray write(const Document& document);
};
