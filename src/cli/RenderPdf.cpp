#include "cli/RenderPdf.h"

#include "core/EngineLibrary.h"
#include "viewer/PageViewerHandle.h"

#include <QCoreApplication>

bool writePagePdf(const QString& htmlFile, const QString& pdfFile, const PagePdfOptions& options, QString* error)
{
#ifdef TALLYWICK_HAVE_VIEWER
    const auto write = reinterpret_cast<WritePagePdfFunction>(EngineLibrary::resolve(WritePagePdfSymbol, error));
    return write && write(htmlFile, pdfFile, options, error);
#else
    Q_UNUSED(htmlFile);
    Q_UNUSED(pdfFile);
    Q_UNUSED(options);
    if (error)
        *error = QCoreApplication::translate("RenderPdf", "This build has no web engine, so it cannot write PDF.");
    return false;
#endif
}
