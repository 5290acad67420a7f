#include "documents/DeleteCommand.h"

#include "core/Dialogs.h"
#include "documents/DocStatements.h"
#include "store/Database.h"
#include "store/SqlText.h"

DeleteCommand::DeleteCommand(Database& database, Dialogs& dialogs) : m_database(database), m_dialogs(dialogs) {}

DeleteCommand::Result DeleteCommand::remove(const QString& currentDocNumber)
{
    if (SqlText::TrimBlanks(currentDocNumber).isEmpty()) {
        m_dialogs.warn(tr("There is no opened document to delete."), tr("Need a document number to delete"));
        return {Outcome::Refused, QString()};
    }
    const QString prompt = tr("Are you sure you want to delete the current SAVED document  \"%1\" ?").arg(currentDocNumber);
    if (!m_dialogs.confirmYesNo(prompt, tr("Confirm Delete?")))
        return {Outcome::Refused, QString()};
    const SqlResult done = m_database.execute(DocStatements::deleteByLabel(currentDocNumber));
    if (!done.ok) {
        m_dialogs.plain(QString::number(Database::ErrorNumber) + QLatin1Char(' ') + done.error);
        return {Outcome::Failed, done.error};
    }
    // Told after the delete; a desk that misses it still sees the change on its next reload.
    m_database.announceChange(SqlText::TrimBlanks(currentDocNumber));
    if (m_hooks.createQuietNewRow)
        m_hooks.createQuietNewRow();
    if (m_hooks.loadDocs)
        m_hooks.loadDocs();
    return {};
}
