#include "cli/FacturxOutput.h"

#include "cli/CliContext.h"
#include "cli/RenderPdf.h"
#include "core/SettingsStore.h"
#include "editor/Document.h"
#include "einvoice/pdf/FacturxPdf.h"
#include "einvoice/pdf/SrgbProfile.h"
#include "html/GenerateCommand.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The engine's printout, read back; the engine writes files only.
bool printedPage(const QString& page, const PagePdfOptions& options, QByteArray& bytes, QString& error)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        error = QCoreApplication::translate("RenderCommand", "Cannot make a temporary folder: %1")
                    .arg(scratch.errorString());
        return false;
    }
    const QString pdfFile = scratch.filePath(QStringLiteral("page.pdf"));
    if (!printPagePdf(page, pdfFile, options, &error))
        return false;
    QFile file(pdfFile);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read %1: %2").arg(pdfFile, file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}

} // namespace

int printFacturx(CliContext& context, Document document, const QByteArray& xml, QByteArray& pdf)
{
    // Checked first: a machine without the profile learns so before any printing.
    const SrgbProfile::Result profile = SrgbProfile::load();
    if (!profile.ok)
        return context.failure(profile.message);
    const auto outcome = GenerateCommand::prepare(document, *context.dialogs, PageCaptions{}, context.locale);
    if (outcome.status != GenerateCommand::Status::Shown)
        return ExitRefused;
    const PagePdfOptions options{QString(), context.settings().get(SettingsStore::PageSetup),
                                 document.company.name};
    FacturxPdf::Input input;
    QString error;
    if (!printedPage(outcome.page, options, input.pdf, error))
        return context.failure(error);
    input.xml = xml;
    input.iccProfile = profile.profile;
    input.title = document.docNumber;
    input.author = document.company.name;
    input.created = QDateTime::currentDateTimeUtc();
    const FacturxPdf::Result made = FacturxPdf::make(input);
    if (!made.ok)
        return context.failure(made.message);
    pdf = made.pdf;
    return ExitDone;
}
