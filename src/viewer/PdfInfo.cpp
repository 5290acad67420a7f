#include "viewer/PdfInfo.h"

#include <QRegularExpression>

namespace {

struct Trailer
{
    qint64 xrefOffset = -1;
    int size = 0;
    QByteArray root;
};

// The last trailer of the file: where its cross-reference table is, how many objects it has and
// which one is the catalogue.
std::optional<Trailer> lastTrailer(const QByteArray& pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailerAt < 0 || trailerAt > startxref)
        return std::nullopt;
    Trailer trailer;
    bool ok = false;
    trailer.xrefOffset = pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || trailer.xrefOffset <= 0 || trailer.xrefOffset >= pdf.size()
        || !pdf.mid(trailer.xrefOffset, 4).startsWith("xref"))
        return std::nullopt;
    const QString dictionary = QString::fromLatin1(pdf.mid(trailerAt, startxref - trailerAt));
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d{1,9})"));
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d{1,9}\\s+\\d{1,5}\\s+R)"));
    const QRegularExpressionMatch sizeMatch = size.match(dictionary);
    const QRegularExpressionMatch rootMatch = root.match(dictionary);
    if (!sizeMatch.hasMatch() || !rootMatch.hasMatch())
        return std::nullopt;
    trailer.size = sizeMatch.captured(1).toInt();
    trailer.root = rootMatch.captured(1).toLatin1();
    return trailer.size > 0 ? std::optional(trailer) : std::nullopt;
}

} // namespace

QByteArray PdfInfo::textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return hex + '>';
}

std::optional<QByteArray> PdfInfo::withTitleAndAuthor(const QByteArray& pdf, const QString& title,
                                                      const QString& author)
{
    const std::optional<Trailer> trailer = lastTrailer(pdf);
    if (!trailer)
        return std::nullopt;
    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const int number = trailer->size;
    const qsizetype objectAt = out.size();
    out += QByteArray::number(number) + " 0 obj\n<</Title " + textString(title) + " /Author " + textString(author)
           + " /Creator (Tallywick)>>\nendobj\n";
    const qsizetype xrefAt = out.size();
    out += "xref\n" + QByteArray::number(number) + " 1\n"
           + QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<</Size " + QByteArray::number(number + 1) + " /Root " + trailer->root + " /Info "
           + QByteArray::number(number) + " 0 R /Prev " + QByteArray::number(trailer->xrefOffset) + ">>\n";
    out += "startxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}
