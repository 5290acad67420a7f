// The entry points of the library that holds the web engine; the programs load it on first use.
#include "store/FileReplace.h"
#include "viewer/LinkedPageViewer.h"
#include "viewer/PagePdfPrinter.h"
#include "viewer/PaperLayout.h"

extern "C" Q_DECL_EXPORT PageViewerHandle* tallywick_create_page_viewer(ViewerHost& host, Dialogs& dialogs)
{
    return LinkedPageViewer::create(host, dialogs);
}

extern "C" Q_DECL_EXPORT bool tallywick_write_page_pdf(const QString& htmlFile, const QString& pdfFile,
                                                       const PagePdfOptions& options, QString* error)
{
    const QPageLayout layout = PaperLayout::named(options.paper).value_or(PaperLayout::fromSetting(options.pageSetup));
    PagePdfPrinter printer(layout);
    printer.setAuthor(options.author);
    const auto pdf = printer.printFile(htmlFile, error);
    return pdf && FileReplace::writeWhole(pdfFile, *pdf, error);
}
