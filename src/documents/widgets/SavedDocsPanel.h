#pragma once

#include <QColor>
#include <QWidget>

class Dialogs;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QStringListModel;
class SavedDocsModel;
struct SavedDocsListing;

// The saved-document list with its order options, Open and Delete. It only shows and reports; the
// commands run elsewhere.
class SavedDocsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SavedDocsPanel(QWidget* parent = nullptr);

    // The "?" buttons beside Open and Delete, once the window's dialogs exist.
    void addHelpButtons(Dialogs& dialogs);

    void showListing(const SavedDocsListing& listing);
    // The same list brought up to date under the user's hands: what is typed in the box, and where,
    // stays as it was.
    void updateListing(const SavedDocsListing& listing);
    int order() const;
    QString listText() const;
    void setListText(const QString& text);

    QComboBox* list() const { return m_list; }
    QLabel* countLabel() const { return m_count; }
    QPushButton* openButton() const { return m_open; }
    QPushButton* deleteButton() const { return m_delete; }

    static QString initialText();
    // Text colour of the list while it is dropped down (its background is black).
    static QColor droppedTextColour();

signals:
    void orderChanged(int order);
    void openRequested(const QString& listText);
    void deleteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void setEntries(const QStringList& entries);
    // The dropped-down list as wide as its entries, so that no field is cut out of their middle.
    void fitDroppedWidth(const QStringList& entries);

    QComboBox* m_list;
    QLabel* m_count;
    QPushButton* m_open;
    QPushButton* m_delete;
    QButtonGroup* m_orders;
    SavedDocsModel* m_entries;
    QStringListModel* m_completion;
};
