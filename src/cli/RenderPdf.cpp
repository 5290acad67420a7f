#include "cli/RenderPdf.h"

#include <QCoreApplication>

#ifdef TALLYWICK_HAVE_VIEWER
#include "store/FileReplace.h"
#include "viewer/PagePdfPrinter.h"
#include "viewer/PaperLayout.h"
#endif

bool writePagePdf(const QString& htmlFile, const QString& pdfFile, const PagePdfOptions& options, QString* error)
{
#ifdef TALLYWICK_HAVE_VIEWER
    const QPageLayout layout = PaperLayout::named(options.paper).value_or(PaperLayout::fromSetting(options.pageSetup));
    PagePdfPrinter printer(layout);
    printer.setAuthor(options.author);
    const auto pdf = printer.printFile(htmlFile, error);
    return pdf && FileReplace::writeWhole(pdfFile, *pdf, error);
#else
    Q_UNUSED(htmlFile);
    Q_UNUSED(pdfFile);
    Q_UNUSED(options);
    if (error)
        *error = QCoreApplication::translate("RenderPdf", "This build has no web engine, so it cannot write PDF.");
    return false;
#endif
}
