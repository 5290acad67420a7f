#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Small text rules shared by the pieces of the printable page.
class PageText
{
public:
    static inline const QString CrLf = QStringLiteral("\r\n");

    // Every space as "&nbsp;".
    static QString nbsp(const QString& text);
    // Every CR LF pair as "<br>".
    static QString brLines(const QString& text);
    // The document type as the badge and the number row print it: trimmed, spaces as "&nbsp;".
    static QString type(const QString& docType);
    // The image source of the logo: "file:///", then the path with blanks as %20 and backslashes as /.
    static QString logoUrl(const QString& logoPath);
    // The black document-type label under or beside the heading; `lowerCaseBlack` spells the colour
    // as the money-free page does.
    static QString badge(const QString& type, bool lowerCaseBlack = false);

    // A money or quantity text as a number: empty counts as 0, nothing for a text that is no number.
    static std::optional<double> amount(const QString& text, const QLocale& locale);
    // True for an empty text or one that reads as 0.
    static bool isZero(const QString& text, const QLocale& locale);
    // The page-row target: a whole number, else 0 (no filler target).
    static int pageRows(const QString& text);

    // The replacements that break the finished page into readable lines and indent bullets.
    static QString finalReplacements(QString page);
};
