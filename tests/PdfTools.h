#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace TestSupport {

struct ToolRun
{
    int exitCode = -1;
    QString output; // standard output and error together
};

// Runs one of the PDF tools a customer would check a file with (poppler-utils, qpdf).
inline ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// The names of the tools missing from this machine; a test skips naming them.
inline QStringList missingTools(const QStringList& programs)
{
    QStringList missing;
    for (const QString& program : programs)
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    return missing;
}

// Rows of `pdffonts` whose "emb" column says no; empty when every font is inside the file.
inline QStringList fontsNotEmbedded(const QString& pdffontsOutput)
{
    QStringList rows;
    const QStringList lines = pdffontsOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        // Columns from the right: object number, generation, uni, sub, emb.
        const QStringList columns = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() < 6 || columns[columns.size() - 5] != QLatin1String("yes"))
            rows << lines[i];
    }
    return rows;
}

} // namespace TestSupport

// Skips the test case, naming them, when the tools a customer checks a PDF with are not installed.
#define TW_SKIP_WITHOUT_PDF_TOOLS()                                                                               \
    if (const QStringList missing_ = TestSupport::missingTools({QStringLiteral("qpdf"), QStringLiteral("pdfdetach"), \
                                                                QStringLiteral("pdfinfo"), QStringLiteral("pdffonts")}); \
        !missing_.isEmpty())                                                                                      \
    QSKIP(qPrintable(QStringLiteral("skipped: not installed: ") + missing_.join(QLatin1Char(' '))))
