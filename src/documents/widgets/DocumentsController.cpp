#include "documents/widgets/DocumentsController.h"

#include "documents/DeleteCommand.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "documents/SavedDocsRefresh.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTimer>

DocumentsController::DocumentsController(Database& database, Dialogs& dialogs, SavedDocsPanel* panel, Window window,
                                         QObject* parent)
    : QObject(parent),
      m_database(database),
      m_dialogs(dialogs),
      m_panel(panel),
      m_window(std::move(window)),
      m_locale(database.locale()),
      m_fillTimer(new QTimer(this))
{
    connect(m_fillTimer, &QTimer::timeout, this, &DocumentsController::fillSome);
    connect(panel, &SavedDocsPanel::orderChanged, this, &DocumentsController::readAgainInPieces);
    connect(panel, &SavedDocsPanel::openRequested, this, &DocumentsController::open);
    connect(panel, &SavedDocsPanel::deleteRequested, this, &DocumentsController::remove);
}

void DocumentsController::setDateFormat(const QString& setting)
{
    m_dateFormat = setting;
}

void DocumentsController::loadDocs()
{
    loadDocsReporting(nullptr);
}

bool DocumentsController::loadDocsReporting(QString* error)
{
    stopFilling();
    m_listing = SavedDocsList::LoadDocs(m_database, m_panel->order(), m_locale, m_dateFormat);
    m_panel->showListing(m_listing);
    if (error)
        *error = m_listing.error;
    return m_listing.ok;
}

void DocumentsController::fillInPieces()
{
    m_fillRetries = 0;
    startFill();
}

void DocumentsController::readAgainInPieces()
{
    m_panel->setListText(QString());
    fillInPieces();
}

void DocumentsController::startFill()
{
    m_fill = std::make_unique<SavedDocsReader>(m_database, m_panel->order(), m_locale, m_dateFormat);
    m_fillOthersCount = m_database.othersChangeCount();
    m_fillTimer->start(0);
    fillSome();
}

void DocumentsController::stopFilling()
{
    m_fill.reset();
    m_fillTimer->stop();
}

// As many pieces as fit in a moment; the keys typed meanwhile are handled before the next ones.
void DocumentsController::fillSome()
{
    if (!m_fill)
        return;
    QElapsedTimer spent;
    spent.start();
    while (spent.elapsed() < FillMilliseconds) {
        if (!m_fill->step())
            continue;
        SavedDocsListing listing = m_fill->takeListing();
        stopFilling();
        // Another program (the command line) may have changed the table between two pieces.
        const bool changedMeanwhile = m_database.othersChangeCount() != m_fillOthersCount;
        if ((!listing.ok || changedMeanwhile) && ++m_fillRetries <= FillRetries) {
            startFill();
            return;
        }
        m_listing = std::move(listing);
        m_panel->updateListing(m_listing);
        emit listFilled(m_listing.error);
        return;
    }
}

bool DocumentsController::followOtherDesks()
{
    return m_database.watchChanges(this, [this](const QString&) {
        // A burst of notices (a purge, a busy office) is shown with one reading of the list.
        if (m_othersChangePending)
            return;
        m_othersChangePending = true;
        QTimer::singleShot(100, this, &DocumentsController::showOthersChange);
    });
}

void DocumentsController::showOthersChange()
{
    m_othersChangePending = false;
    if (filling())
        return startFill();
    // The rows as they were before the other desk's change are gone, so the list is read again.
    const SavedDocsListing listing = SavedDocsList::LoadDocs(m_database, m_panel->order(), m_locale, m_dateFormat);
    if (!listing.ok)
        return;  // a list that cannot be read now stays as it was; the next change tries again
    m_listing = listing;
    m_panel->updateListing(m_listing);
}

QVariantList DocumentsController::keysOf(const QString& number)
{
    return SavedDocsRefresh(m_database, m_locale, m_dateFormat).keysOf(m_listing.order, number);
}

void DocumentsController::refreshNumber(const QString& number, const QVariantList& keysBefore)
{
    // The pieces read so far may no longer fit the table: the fill starts again.
    if (filling())
        return startFill();
    SavedDocsRefresh refresh(m_database, m_locale, m_dateFormat);
    if (m_listing.order == m_panel->order() && refresh.apply(m_listing, number, keysBefore))
        m_panel->showListing(m_listing);
    else
        loadDocs();
}

void DocumentsController::purging(const QString& numbersQuery)
{
    QList<SavedDocsRefresh::Change> changes;
    const SqlResult found = m_database.forEachRow(numbersQuery, [&changes](const QSqlQuery& row) {
        changes.append({row.value(0).toString(), {}});
        return changes.size() <= SavedDocsRefresh::MaxChanges;
    });
    m_purging.reset();
    if (!found.ok || changes.size() > SavedDocsRefresh::MaxChanges)
        return;
    SavedDocsRefresh refresh(m_database, m_locale, m_dateFormat);
    for (SavedDocsRefresh::Change& change : changes)
        change.keysBefore = refresh.keysOf(m_listing.order, change.number);
    m_purging = std::move(changes);
}

void DocumentsController::purged()
{
    const std::optional<QList<SavedDocsRefresh::Change>> changes = std::move(m_purging);
    m_purging.reset();
    if (filling())
        return startFill();
    SavedDocsRefresh refresh(m_database, m_locale, m_dateFormat);
    if (changes && m_listing.order == m_panel->order() && refresh.applyAll(m_listing, *changes))
        m_panel->showListing(m_listing);
    else
        readAgainInPieces();
}

void DocumentsController::save()
{
    saveFile(true);
}

void DocumentsController::saveFile(bool saveButtonVisible)
{
    Document document = m_window.document();
    const QString number = SqlText::TrimBlanks(document.docNumber);
    const QVariantList keysBefore = keysOf(number);
    SaveCommand command(m_database, m_dialogs, m_locale);
    command.setHooks({m_window.currentLabel, [this, number, keysBefore] { refreshNumber(number, keysBefore); }});
    const SaveCommand::Result result = command.saveFile(document, saveButtonVisible);
    if (!saveButtonVisible)
        return;
    // The recalculated fields (unchanged when a check stopped the save early) are what the window shows.
    m_window.showDocument(document);
    if (result.focusDocNumber && m_window.focusDocNumber)
        m_window.focusDocNumber();
}

void DocumentsController::open(const QString& listText)
{
    OpenCommand command(m_database, m_dialogs, m_locale);
    const OpenCommand::Result result = command.open(listText, m_window.document(), m_window.documentOpen());
    if (result.outcome == OpenCommand::Outcome::Opened)
        (m_window.showOpened ? m_window.showOpened : m_window.showDocument)(result.document);
    if (result.clearListText)
        m_panel->setListText(QString());
}

void DocumentsController::remove()
{
    const QString number = m_window.document().currentDocNumber;
    const QVariantList keysBefore = keysOf(number);
    DeleteCommand command(m_database, m_dialogs);
    command.setHooks({m_window.createQuietNewRow, [this, number, keysBefore] { refreshNumber(number, keysBefore); }});
    command.remove(number);
}
