#pragma once

#include "editor/CreateRowsCommand.h"
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

    // The largest document file read; a picture-free document is far smaller.
    static constexpr qsizetype MaxBytes = 16 * 1024 * 1024;
    static constexpr int MaxPageRows = 100;

    // A malformed text, a wrong type, an unknown or repeated key, a value outside what the window's
    // field can hold (a control character other than tab and line breaks, a page row count outside
    // 1..100, more rows than `maxRows`) is an error naming the key.
    static ReadResult read(const QByteArray& json, int maxRows = CreateRowsCommand::MaxRows);
    static QJsonObject toJson(const Document& document);
    static QByteArray write(const Document& document);
    // The "company" object: the letterhead fields and the company's e-invoice fields.
    static QJsonObject companyToJson(const CompanyProfile& company);
};
