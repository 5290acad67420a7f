#include "documents/widgets/DocumentsController.h"

#include "documents/DeleteCommand.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "store/Database.h"

DocumentsController::DocumentsController(Database& database, Dialogs& dialogs, SavedDocsPanel* panel, Window window,
                                         QObject* parent)
    : QObject(parent),
      m_database(database),
      m_dialogs(dialogs),
      m_panel(panel),
      m_window(std::move(window)),
      m_locale(database.locale())
{
    connect(panel, &SavedDocsPanel::orderChanged, this, &DocumentsController::loadDocs);
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
    const SavedDocsListing listing = SavedDocsList::LoadDocs(m_database, m_panel->order(), m_locale, m_dateFormat);
    m_panel->showListing(listing);
    if (error)
        *error = listing.error;
    return listing.ok;
}

void DocumentsController::save()
{
    saveFile(true);
}

void DocumentsController::saveFile(bool saveButtonVisible)
{
    Document document = m_window.document();
    SaveCommand command(m_database, m_dialogs, m_locale);
    command.setHooks({m_window.currentLabel, [this] { loadDocs(); }});
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
    DeleteCommand command(m_database, m_dialogs);
    command.setHooks({m_window.createQuietNewRow, [this] { loadDocs(); }});
    command.remove(m_window.document().currentDocNumber);
}
