#include "store/PurgeCommand.h"

#include "core/Dialogs.h"
#include "core/ShortDateFormat.h"
#include "store/Database.h"
#include "store/SqlText.h"

PurgeCommand::PurgeCommand(Database& database, Dialogs& dialogs)
    : m_database(database), m_dialogs(dialogs), m_locale(database.locale())
{
}

QString PurgeCommand::period(const QDate& from, const QDate& to, const QLocale& locale, const QString& dateFormat)
{
    // The upper bound is the program's short date; a form the statement reader cannot take back as
    // the same day is written in the day-month-year form of the lower bound instead.
    QString upper = ShortDateFormat::format(to, locale, dateFormat);
    if (SqlText::ReadDate(upper, locale) != to)
        upper = SqlText::DateText(to, locale);
    return QStringLiteral("DocDate >= #") + SqlText::DateText(from, locale) + QStringLiteral("# AND DocDate <= #")
           + upper + QStringLiteral("# ");
}

QString PurgeCommand::statement(const QDate& from, const QDate& to, const QLocale& locale,
                                const QString& dateFormat)
{
    return QStringLiteral("DELETE FROM tbldoc WHERE ") + period(from, to, locale, dateFormat);
}

QString PurgeCommand::affectedNumbers(const QDate& from, const QDate& to, const QLocale& locale,
                                      const QString& dateFormat)
{
    return QStringLiteral("SELECT DISTINCT DocNumber FROM tbldoc WHERE ") + period(from, to, locale, dateFormat);
}

QString PurgeCommand::helpText(const QString& buttonCaption)
{
    return tr("To purge old documents from the database, please select the target period and then click the '")
           + buttonCaption + tr("' button.  ");
}

PurgeCommand::Result PurgeCommand::run(const QDate& from, const QDate& to)
{
    if (m_database.isServer()) {
        // The program copies files only; a server's database is backed up on the server.
        m_dialogs.inform(tr("The database is on a server (%1). Back it up with pg_dump on the server before "
                            "deleting documents.")
                             .arg(m_database.path()));
    } else {
        const DialogAnswer backup = m_dialogs.ask({tr("Backup database before delete?  "), tr("Backup Now?"),
                                                   DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes});
        if (backup == DialogAnswer::Yes && m_hooks.compact)
            m_hooks.compact();
    }

    const QString question = tr("Are you sure you want to delete documents issued from:    ") + QStringLiteral("\r\n\r\n\t")
                             + ShortDateFormat::format(from, m_locale, m_dateFormat) + QStringLiteral("\r\n\t")
                             + tr("        to") + QStringLiteral("\r\n\t") + ShortDateFormat::format(to, m_locale, m_dateFormat)
                             + QStringLiteral("\r\n\r\n");
    if (!m_dialogs.confirmOkCancel(question, tr("Deleting Documents from Database"), DialogIcon::Question))
        return {Outcome::Cancelled, QString()};

    if (m_hooks.deleting)
        m_hooks.deleting(affectedNumbers(from, to, m_locale, m_dateFormat));
    const SqlResult done = m_database.execute(statement(from, to, m_locale, m_dateFormat));
    if (!done.ok) {
        m_dialogs.critical(tr("The documents could not be deleted: %1").arg(done.error));
        return {Outcome::Failed, done.error};
    }
    m_database.announceChange(QString());  // every desk reads its whole list again
    if (m_hooks.loadDocs)
        m_hooks.loadDocs();
    m_dialogs.inform(tr("Target documents successfully deleted .    "));
    return {};
}
