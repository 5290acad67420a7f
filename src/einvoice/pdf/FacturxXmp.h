#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The XMP packet of an e-invoice PDF: PDF/A-3 level B, the document's title, author and dates (the
// same values the PDF's Info dictionary carries), and the Factur-X fields that name the embedded
// XML and its profile, with the schema description PDF/A asks for every non-standard property.
class FacturxXmp
{
public:
    struct Fields
    {
        QString title;
        QString author;
        QString creatorTool;
        QString producer;
        QDateTime created;   // also the modification date
        QString fileName;    // of the embedded XML
        QString conformance; // the profile, e.g. "EN 16931"
    };

    static QByteArray packet(const Fields& fields);
    static QString xmpDate(const QDateTime& when); // 2026-12-06T22:13:08+00:00
    static QString pdfDate(const QDateTime& when); // D:20261206221308+00'00'
};
