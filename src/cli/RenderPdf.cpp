#include "cli/RenderPdf.h"

#include <QCoreApplication>

#ifdef TALLYWICK_HAVE_VIEWER
#include "store/FileReplace.h"
#include "viewer/PagePdfPrinter.h"
#endif

bool writePagePdf(const QString& htmlFile, const QString& pdfFile, QString* error)
{
#ifdef TALLYWICK_HAVE_VIEWER
    const auto pdf = PagePdfPrinter().printFile(htmlFile, error);
    return pdf && FileReplace::writeWhole(pdfFile, *pdf, error);
#else
    Q_UNUSED(htmlFile);
    Q_UNUSED(pdfFile);
    if (error)
        *error = QCoreApplication::translate("RenderPdf", "This build has no web engine, so it cannot write PDF.");
    return false;
#endif
}
