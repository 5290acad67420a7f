#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace TestSupport {

// The EN 16931 conformance kit lives in a "shared" folder beside the source tree (or beside one
// of its parent folders, for worktrees); a bare clone has none.
inline QString einvoiceValidator()
{
    QDir dir(QStringLiteral(TW_FIXTURES_DIR));
    for (int depth = 0; depth < 6 && dir.cdUp(); ++depth) {
        const QString candidate = dir.filePath(QStringLiteral("shared/einvoice/validate-cii"));
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return {};
}

struct KitRun
{
    int exitCode = -1;
    QString output;
};

// The files in two runs side by side: the kit spends seconds on each file. The exit code is the
// worse of the two.
inline KitRun validateEinvoices(const QString& validator, const QStringList& files)
{
    const qsizetype half = (files.size() + 1) / 2;
    QProcess first;
    QProcess second;
    for (QProcess* process : {&first, &second})
        process->setProcessChannelMode(QProcess::MergedChannels);
    first.start(validator, files.mid(0, half));
    if (files.size() > half)
        second.start(validator, files.mid(half));
    KitRun run{0, {}};
    for (QProcess* process : {&first, &second}) {
        if (process->state() == QProcess::NotRunning && process->exitCode() == 0 && process->program().isEmpty())
            continue;
        process->waitForFinished(-1);
        const int code = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
        if (code != 0)
            run.exitCode = code;
        run.output += QString::fromUtf8(process->readAll());
    }
    return run;
}

// The documented example document: a complete invoice.
inline QString einvoiceExample()
{
    return QDir(QStringLiteral(TW_FIXTURES_DIR)).filePath(QStringLiteral("../../docs/examples/einvoice.json"));
}

} // namespace TestSupport

// Every file must pass the kit; without the kit the test says it is skipped.
#define TW_VERIFY_EINVOICES(...)                                                                                  \
    do {                                                                                                          \
        const QString validator_ = TestSupport::einvoiceValidator();                                              \
        if (validator_.isEmpty())                                                                                 \
            QSKIP("skipped: conformance kit not found");                                                          \
        const TestSupport::KitRun kit_ = TestSupport::validateEinvoices(validator_, __VA_ARGS__);                 \
        QVERIFY2(kit_.exitCode == 0 && !kit_.output.contains(QLatin1String("[fatal]")), qPrintable(kit_.output)); \
    } while (false)
