#pragma once

#include <QPageLayout>
#include <QWidget>

#include <memory>
#include <optional>

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QWebEngineView;
class ViewerHost;

// frmbrowser: shows the generated page, sends the two layout settings back to the main window for
// regeneration, makes the page editable for a last touch, and previews, prints and saves it.
class BrowserWindow : public QWidget
{
    Q_OBJECT

public:
    // Guide: a page that is not a document, such as the user guide.
    enum class PageKind { Priced, MoneyFree, Guide };

    BrowserWindow(ViewerHost& host, Dialogs& dialogs, QWidget* parent = nullptr);
    ~BrowserWindow() override;

    // Shows the window on `htmlFile`. After a priced page the borders box follows the main window's;
    // the page without money values leaves it as it is.
    void showPage(const QString& htmlFile, PageKind kind = PageKind::Priced);
    void copyBordersFromHost();

    QWebEngineView* view() const { return m_view; }
    QPageLayout pageLayout() const;
    void setPageLayout(const QPageLayout& layout);

    static QString rowsHelpText(const QString& rowsCaption);

    // The page as shown, edits included, in the page file's encoding.
    std::optional<QByteArray> shownPageBytes(QString* error);
    bool saveHtmlTo(const QString& file, QString* error);
    bool savePdfTo(const QString& file, QString* error);
    // The shown page printed as savePdfTo prints it, made into an e-invoice PDF carrying `xml`.
    bool saveFacturxTo(const QString& file, const QByteArray& xml, QString* error);
    // "<title>.pdf" with the characters file names cannot hold replaced.
    static QString pdfFileName(const QString& title);
    // Where Save PDF starts: the folder last saved in, else Documents, else home.
    QString pdfFolder() const;
    QString statusText() const;

public slots:
    void editForPrint();
    void print();
    void pageSetup();
    void saveHtml();
    void savePdf();
    void saveFacturx();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QPushButton* addButton(const QString& name, const QString& caption);
    void chooseRows(int index);
    void toggleBorders(bool on);
    void showRowsHelp();
    void regenerateLater();
    QPrinter& printer();
    void reportFailure(const QString& error);
    void rememberLayout(const QPageLayout& layout);
    QString shownTitle();

    ViewerHost& m_host;
    Dialogs& m_dialogs;
    QWebEngineView* m_view;
    QLabel* m_rowsLabel;
    QComboBox* m_rows;
    QCheckBox* m_borders;
    QLabel* m_status;
    QPushButton* m_saveFacturx = nullptr;  // shown for a priced page of an invoice type
    std::unique_ptr<QPrinter> m_printer;
    QPageLayout m_layout;
};
