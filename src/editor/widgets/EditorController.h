#pragma once

#include "editor/EditorState.h"

#include <QLocale>
#include <QObject>

#include <functional>

class CreateRowsPanel;
class Dialogs;
class GridPanel;
class HeaderPanel;
class NotesPanel;
class OptionBoxes;
class TotalsPanel;
struct Document;

// Runs the editor's commands for the window: reads the document from the panels, lets the plain
// command work on it and shows the outcome.
class EditorController : public QObject
{
    Q_OBJECT

public:
    struct Panels
    {
        HeaderPanel* header;
        GridPanel* grid;
        TotalsPanel* totals;
        NotesPanel* notes;
        CreateRowsPanel* createRows;
    };
    using Reader = std::function<Document()>;
    using Shower = std::function<void(const Document&)>;

    EditorController(const Panels& panels, Dialogs& dialogs, Reader read, Shower show, QObject* parent = nullptr);

    EditorState& state() { return m_state; }
    void setNumberLocale(const QLocale& locale);
    QLocale numberLocale() const { return m_locale; }
    // The grid, totals and " Calculate" appear with the first rows.
    void revealPanels(bool visible);

public slots:
    void createRows();
    // One empty row in a new document, without the new-document question (after a delete).
    void createQuietNewDocument();
    // " Calculate"; false when a field could not be read (the message has been shown).
    bool calculate();
    void insertPaid();
    void assignAutoNumber();
    // Opening a stored document: no row is current until one gets the focus again.
    void resetCurrentDescRow();
    // A stored document was opened: its rows are built in the display mode now chosen and it becomes
    // the current document, so that the next "Create Rows" in "New" mode asks first.
    void showOpened(const Document& document);

signals:
    void rowsCreated();
    // "Create Rows" in "New" mode made a fresh document (before rowsCreated).
    void newDocumentCreated();

private:
    void connectPanels();
    void withOptions(const std::function<void(OptionBoxes&)>& change);

    Panels m_panels;
    Dialogs& m_dialogs;
    Reader m_read;
    Shower m_show;
    EditorState m_state;
    QLocale m_locale;
};
