#pragma once

#include <QByteArray>
#include <QString>

// Writes the page file: Windows-1252 as its meta line declares, CR LF line breaks, a final CR LF.
class PageWriter
{
public:
    struct Result
    {
        bool ok = true;
        QString description; // why the file could not be written, naming the path
        int number = 0;      // the file error code
    };

    // The bytes of the file; a character Windows-1252 lacks becomes a numeric character reference.
    static QByteArray encode(const QString& page);
    // The text in Windows-1252, characters outside it as numeric references; no line end added.
    static QByteArray encodeText(const QString& text);
    // Replaces the file in one step: on failure the previous file stays as it was.
    static Result write(const QString& path, const QString& page);
};
