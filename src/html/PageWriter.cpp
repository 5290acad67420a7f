#include "html/PageWriter.h"

#include "richtext/RtfCodePage.h"

#include <QCoreApplication>
#include <QSaveFile>

QByteArray PageWriter::encodeText(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    const QList<uint> codes = text.toUcs4();
    for (const uint code : codes) {
        // A character beyond the 16-bit range is never in the code page.
        const auto byte = code <= 0xFFFF ? RtfCodePage::encode1252(QChar(char16_t(code))) : std::nullopt;
        if (byte)
            out += char(*byte);
        else
            out += "&#" + QByteArray::number(code) + ';';
    }
    return out;
}

QByteArray PageWriter::encode(const QString& page)
{
    return encodeText(page) + "\r\n";
}

PageWriter::Result PageWriter::write(const QString& path, const QString& page)
{
    QSaveFile file(path);
    const auto failed = [&] {
        Result result;
        result.ok = false;
        result.number = int(file.error());
        result.description =
            QCoreApplication::translate("PageWriter", "The page could not be written to the file \"%1\": %2")
                .arg(path, file.errorString());
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    const QByteArray bytes = encode(page);
    if (file.write(bytes) != bytes.size())
        return failed();
    if (!file.commit())
        return failed();
    return {};
}
