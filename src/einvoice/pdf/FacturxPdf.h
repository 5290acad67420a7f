#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Turns a printed page into an e-invoice PDF: PDF/A-3 level B with the invoice's XML attached as
// "factur-x.xml" (relationship Alternative), its XMP metadata, an sRGB output intent and every
// annotation printable. The page itself is left as printed: nothing is drawn again.
class FacturxPdf
{
public:
    struct Input
    {
        QByteArray pdf;
        QByteArray xml;
        QByteArray iccProfile; // an RGB profile (sRGB) for the output intent
        QString title;
        QString author;
        QDateTime created;
        QString conformance = QStringLiteral("EN 16931");
    };

    struct Result
    {
        bool ok = false;
        QByteArray pdf;
        QString message; // why no file could be made
    };

    static constexpr char AttachmentName[] = "factur-x.xml";

    static Result make(const Input& input);
};
