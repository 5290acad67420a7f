#pragma once

#include "documents/SavedDocsList.h"
#include "documents/SavedDocsReader.h"
#include "documents/SavedDocsRefresh.h"
#include "editor/Document.h"

#include <QLocale>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class Database;
class Dialogs;
class QTimer;
class SavedDocsPanel;

// Runs Save, Open, Delete and LoadDocs for the main window: the window lends its document and
// shows the results; the commands themselves are plain classes.
class DocumentsController : public QObject
{
    Q_OBJECT

public:
    struct Window
    {
        std::function<Document()> document;
        std::function<void(const Document&)> showDocument;
        // A stored document has been read: it replaces the one being edited and becomes the current one.
        std::function<void(const Document&)> showOpened;
        // The current-document label: caption and the highlight while the save message shows.
        std::function<void(const QString& caption, bool highlighted)> currentLabel;
        // A document is open in the editor (rows exist), so opening another asks first.
        std::function<bool()> documentOpen;
        // Start a blank one-row document without asking.
        std::function<void()> createQuietNewRow;
        std::function<void()> focusDocNumber;
    };

    DocumentsController(Database& database, Dialogs& dialogs, SavedDocsPanel* panel, Window window,
                        QObject* parent = nullptr);

    // The program's short-date setting for the list's dates.
    void setDateFormat(const QString& setting);

    // LoadDocs at start-up: false, with the database's message, when the list cannot be read.
    bool loadDocsReporting(QString* error);
    // LoadDocs a piece at a time from the event loop, so that typing goes on meanwhile; listFilled
    // tells when it is done. A change to the stored documents meanwhile starts it again.
    void fillInPieces();
    bool filling() const { return m_fill != nullptr; }
    // On a shared server: the list follows what other desks save and delete, without touching
    // what is typed in it. False when the database cannot tell (a local file).
    bool followOtherDesks();

signals:
    // The list read by fillInPieces is shown; `error` is empty unless it could not be read.
    void listFilled(const QString& error);

public slots:
    void loadDocs();
    // LoadDocs in pieces as after an order option or a large purge: the box's text goes at once, as
    // a full reading clears it, and the old entries stay until the new ones are all read.
    void readAgainInPieces();
    // A purge is about to delete the rows of the numbers `numbersQuery` selects; purged() then
    // updates the list for just those numbers.
    void purging(const QString& numbersQuery);
    void purged();
    void save();
    void saveFile(bool saveButtonVisible);
    void open(const QString& listText);
    void remove();

private:
    // After one number's rows changed: the list is updated in place when it can be, read again otherwise.
    void refreshNumber(const QString& number, const QVariantList& keysBefore);
    QVariantList keysOf(const QString& number);
    void showOthersChange();
    void fillSome();
    void stopFilling();

    void startFill();

    static constexpr int FillRetries = 3;
    static constexpr int FillMilliseconds = 15;

    Database& m_database;
    Dialogs& m_dialogs;
    SavedDocsPanel* m_panel;
    Window m_window;
    QLocale m_locale;
    QString m_dateFormat;
    SavedDocsListing m_listing;
    bool m_othersChangePending = false;
    // The numbers a running purge deletes rows of, with their keys before; unset when too many.
    std::optional<QList<SavedDocsRefresh::Change>> m_purging;
    std::unique_ptr<SavedDocsReader> m_fill;
    QTimer* m_fillTimer;
    int m_fillRetries = 0;
    qint64 m_fillOthersCount = -1;  // the database's count of others' changes when the fill began
};
