#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Sets a PDF's title and author by appending an update to the file, as PDF allows: the pages stay
// byte for byte what the engine wrote. Works on files with a plain cross-reference table.
class PdfInfo
{
public:
    static std::optional<QByteArray> withTitleAndAuthor(const QByteArray& pdf, const QString& title,
                                                        const QString& author);
    // A text string any reader shows as written: UTF-16 with its byte-order mark, in hex.
    static QByteArray textString(const QString& text);
};
