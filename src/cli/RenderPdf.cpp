#include "cli/RenderPdf.h"

#include "core/EngineLibrary.h"
#include "html/PageWriter.h"
#include "viewer/PageViewerHandle.h"

#include <QCoreApplication>
#include <QTemporaryDir>

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

bool printPagePdf(const QString& page, const QString& pdfFile, const PagePdfOptions& options, QString* error)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = QCoreApplication::translate("RenderCommand", "Cannot make a temporary folder: %1")
                         .arg(scratch.errorString());
        return false;
    }
    const QString htmlFile = scratch.filePath(QStringLiteral("~document.htm"));
    const PageWriter::Result written = PageWriter::write(htmlFile, page);
    if (!written.ok) {
        if (error)
            *error = written.description;
        return false;
    }
    return writePagePdf(htmlFile, pdfFile, options, error);
}
