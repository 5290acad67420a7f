// Shows the browser window on a sample invoice, for looking at it under Xvfb:
//   viewer_harness window|preview [ROWS]   shows the window (and its print preview) until closed
//   viewer_harness pdf OUT.pdf [ROWS]      prints the sample page to OUT.pdf and ends
#include "app/Dialogs.h"
#include "viewer/BrowserWindow.h"
#include "viewer/PageViewer.h"
#include "viewer/ViewerHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

namespace {

QByteArray samplePage(int rows, bool borders)
{
    QByteArray page = "<html><head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
                      "<title>INV-2024-090</title>\r\n<style type=\"text/css\">\r\n"
                      "body, table, th, td{font-family: Arial, Verdana; font-size: 9pt;}\r\n";
    if (borders)
        page += "td.itemrows{border-right:1px solid gray; border-top:1px dotted gray; border-bottom:1px dotted gray}\r\n";
    page += "th{padding-top:10px; padding-bottom:10px;border-bottom:1px solid black;border-top:1px solid black}\r\n"
            "</style></head><body>\r\n<div align=center><font style=\"font-size:18pt;\"><b>Norvane Trading Co.</b>"
            "</font><br>12 Harbour Road<br>Port Elwin<br><br><font style=\"font-size:15pt;font-family:Courier New;"
            "font-weight:bold;background-color:BLACK;color:white;padding:0px 5px 0px 5px;border:1px solid black\">"
            "Tax&nbsp;Invoice</font></div><br>\r\n<table width=\"100%\"><tr><td><b>Bill To:</b><br>Caf\xe9 Mira"
            "<br>4 Quay Street</td><td align=right>Tax&nbsp;Invoice&nbsp;No. INV-2024-090<br>Date 3-Mar-2024"
            "</td></tr></table><br>\r\n<div align=\"center\"><table class=items cellpadding=\"2\" width=\"98%\" "
            "cellspacing=\"0\"><tr><th>No.</th><th align=left>Description</th><th>Qty</th><th>Price</th>"
            "<th>Amount</th></tr>\r\n";
    for (int row = 1; row <= rows; ++row) {
        page += "<tr><td class=itemrows align=center>" + QByteArray::number(row)
                + "</td><td class=itemrows>Widget model " + QByteArray::number(row)
                + "</td><td class=itemrows align=center>" + QByteArray::number(row % 7 + 1)
                + "</td><td class=itemrows align=right>12.50</td><td class=itemrows align=right>"
                + QByteArray::number((row % 7 + 1) * 12.5, 'f', 2) + "</td></tr>\r\n";
    }
    return page + "</table></div><br><p align=right><b>Total 4,500.00</b></p>\r\n</body></html>\r\n";
}

class SampleHost : public ViewerHost
{
public:
    SampleHost(QString file, int rows) : m_file(std::move(file)), m_rows(rows) {}
    QString pageRows() const override { return QString::number(m_rows); }
    void setPageRows(const QString& rows) override { m_rows = rows.toInt(); }
    bool tableBorders() const override { return m_borders; }
    void setTableBorders(bool on) override { m_borders = on; }
    void regenerate() override
    {
        QFile file(m_file);
        if (file.open(QIODevice::WriteOnly))
            file.write(samplePage(m_rows, m_borders));
        file.close();
        if (viewer)
            viewer->showPage(m_file);
    }
    void save() override { std::fputs("save\n", stderr); }
    bool hasOpenDocument() const override { return true; }
    void bringToFront() override { std::fputs("back\n", stderr); }

    PageViewer* viewer = nullptr;

private:
    QString m_file;
    int m_rows;
    bool m_borders = true;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1, QStringLiteral("window"));
    const bool pdf = mode == QStringLiteral("pdf");
    const int rows = args.value(pdf ? 3 : 2, QStringLiteral("90")).toInt();

    const QString file = QDir::temp().filePath(QStringLiteral("tallywick-harness.htm"));
    SampleHost host(file, rows);
    ScriptedDialogs dialogs(true);
    if (pdf)
        dialogs.setNextFile(args.value(2));
    PageViewer viewer(host, dialogs);
    host.viewer = &viewer;
    host.regenerate();
    BrowserWindow* window = viewer.window();
    QObject::connect(window->view(), &QWebEngineView::loadFinished, window, [&, window] {
        if (pdf) {
            window->savePdf();
            app.quit();
        } else if (mode == QStringLiteral("preview")) {
            QTimer::singleShot(500, window, &BrowserWindow::print);
        }
    });
    return app.exec();
}
