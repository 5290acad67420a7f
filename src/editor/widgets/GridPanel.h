#pragma once

#include <QLocale>
#include <QWidget>

#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QStringListModel;
class QToolButton;
class RichTextBox;
struct Document;
struct DocumentRow;

// The line-item grid: rows 1..CurrentRows with their move arrows. Rows are rebuilt whole, never
// added or removed one by one.
class GridPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GridPanel(QWidget* parent = nullptr);
    ~GridPanel() override;

    void readInto(Document& document) const;
    // Rebuilds the rows when their number differs, otherwise updates them in place.
    void showFrom(const Document& document);
    // Tears the rows down and builds them again in the given display mode.
    void rebuild(const Document& document, bool multiLine);
    // Rows on screen (CurrentRows); 0 before the first "Create Rows".
    int rowCount() const;
    // Width of the grid with its arrows; the panels below line up with it.
    static int designWidth();
    // The display mode of the next rebuild that does not name one.
    void setNextMultiLine(bool multiLine) { m_nextMultiLine = multiLine; }
    void setNumberLocale(const QLocale& locale) { m_locale = locale; }

    RichTextBox* description(int row) const;
    QLineEdit* productId(int row) const;

    void moveRowUp(int row);
    void moveRowDown(int row);

signals:
    // A row's product ID or description received the focus (the editor keeps CurrentDescRow).
    void currentDescRowChanged(int row);
    // The rows were torn down and built again: new description boxes to connect.
    void rowsRebuilt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row
    {
        QLineEdit* serial = nullptr;
        QLineEdit* productId = nullptr;
        RichTextBox* description = nullptr;
        QComboBox* qty = nullptr;
        QLineEdit* price = nullptr;
        QComboBox* discount = nullptr;
        QLineEdit* amount = nullptr;
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
    };

    struct Heading
    {
        QLabel* label;
        int left;
        int width;
    };

    void buildHeadings();
    // Width beyond the design width, all of it given to the description column.
    int extraWidth() const;
    void placeAll();
    void clearRows();
    Row createRow(int index);
    void placeRow(const Row& row, int index);
    void showRow(const Row& row, int index, int count);
    void resizeToRows();
    DocumentRow contentsOf(int row) const;
    void showContents(int row, const DocumentRow& contents);
    void showState(int row, const DocumentRow& contents);
    void colourQuantity(int row);
    int rowHeight() const;
    int rowTop(int index) const;

    std::vector<Heading> m_headings;
    QFrame* m_headingRule = nullptr;
    std::vector<Row> m_rows;
    bool m_multiLine = false;
    bool m_nextMultiLine = false;
    QLocale m_locale;
    QStringListModel* m_quantities;
    QStringListModel* m_discounts;
};
