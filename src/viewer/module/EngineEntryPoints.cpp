// The entry points of the library that holds the web engine; the programs load it on first use.
#include "store/FileReplace.h"
#include "viewer/LinkedPageViewer.h"
#include "viewer/PagePdfPrinter.h"
#include "viewer/PaperLayout.h"

#include <QCoreApplication>
#include <QOpenGLContext>

// Qt keeps these in its private headers; the engine's views share their textures through this context.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The engine needs one graphics context that all its views share. The programs do not make it at
// start, where it would load a graphics library even when no page is ever shown; it is made here,
// before the engine's first use, when no other context exists yet that would have to share it.
void prepareSharedContext()
{
    if (qt_gl_global_share_context())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

extern "C" Q_DECL_EXPORT PageViewerHandle* tallywick_create_page_viewer(ViewerHost& host, Dialogs& dialogs)
{
    prepareSharedContext();
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
