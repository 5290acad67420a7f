#include "documents/SaveCommand.h"

#include "core/Dialogs.h"
#include "documents/DocStatements.h"
#include "documents/IssuedValues.h"
#include "documents/NumberSeries.h"
#include "editor/Document.h"
#include "editor/EmptyToZero.h"
#include "core/NumberText.h"
#include "editor/TotalsCalculator.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <limits>
#include <utility>

SaveCommand::SaveCommand(Database& database, Dialogs& dialogs, const QLocale& locale)
    : m_database(database), m_dialogs(dialogs), m_locale(locale)
{
}

QString SaveCommand::nonNumericMessage()
{
    return tr("It appears you have pasted a non-number in a field meant only for numbers.  ");
}

SaveCommand::Result SaveCommand::refused(bool focusDocNumber) const
{
    return {Outcome::Refused, focusDocNumber, QString()};
}

SaveCommand::Result SaveCommand::nonNumeric()
{
    m_dialogs.critical(nonNumericMessage(), tr("Non-numeric error"));
    return refused();
}

SaveCommand::Result SaveCommand::failed(const QString& error) const
{
    return {Outcome::Failed, false, error};
}

SaveCommand::Result SaveCommand::saveFile(Document& document, bool saveButtonVisible)
{
    if (!saveButtonVisible) {
        m_dialogs.critical(tr("Please open or start a document.  "));
        return refused();
    }
    return save(document);
}

SaveCommand::Result SaveCommand::save(Document& document)
{
    const QString reminder = document.docType.toLower() == QLatin1String("quotation")
                                 ? QStringLiteral("\r\n\r\n") + tr("Please ensure an Expiry Date for this Quotation. ")
                                 : QString();
    const QString number = SqlText::TrimBlanks(document.docNumber);
    Result result;
    if (!checkNumber(document.docNumber, number, result) || !checkRows(document, result))
        return result;

    Money paid;
    Money total;
    if (NumberText::readMoney(EmptyToZero(document.paid.trimmed()), m_locale, paid) != NumberError::None
        || NumberText::readMoney(EmptyToZero(document.total.trimmed()), m_locale, total) != NumberError::None)
        return nonNumeric();
    if (paid.units() > total.units()
        && !m_dialogs.confirmYesNo(tr("The Paid value is higher than Total.") + QStringLiteral("\r\n\r\n")
                                       + tr("Do you still wish to continue?"),
                                   Dialogs::applicationTitle()))
        return refused();

    if (!TotalsCalculator::DoSum(document, m_locale).ok)
        return nonNumeric();

    bool replace = false;
    if (!confirmReplace(number, document.currentDocNumber, replace, result))
        return result;
    // Nobody was asked about replacing a number that looked free or is the open document's own.
    const bool mustStayFree = !replace && document.currentDocNumber != number;

    const QDate saveDate = m_saveDate.isValid() ? m_saveDate : QDate::currentDate();
    QStringList inserts;
    for (int i = 0; i < document.rowCount(); ++i) {
        DocStatements::Insert insert = DocStatements::insertRow(document, i, saveDate, m_locale);
        if (insert.status == NumberError::TypeMismatch)
            return nonNumeric();
        if (insert.status == NumberError::Overflow)
            return failed(tr("A quantity or item number is out of range in row %1.").arg(i + 1));
        inserts.append(insert.sql);
    }
    const QString issued = IssuedValues::updateStatement(document, number, m_locale);
    if (issued.isEmpty())
        return nonNumeric();
    inserts.append(issued);
    result = write(document, number, inserts, mustStayFree);
    if (result.outcome != Outcome::Saved)
        return result;
    finish(document, number, reminder);
    return result;
}

bool SaveCommand::checkNumber(const QString& untrimmed, const QString& number, Result& result)
{
    if (number.isEmpty()) {
        m_dialogs.warn(tr("Please complete the document number field."));
        result = refused(true);
        return false;
    }
    if (untrimmed.contains(QLatin1Char('|')) || untrimmed.contains(QLatin1Char('^'))
        || untrimmed.contains(QChar(0x2022))) {
        m_dialogs.critical(tr("The document number contains one of these illegal characters:  \u2022 ^  |")
                           + QStringLiteral("\r\n\r\n") + tr("Please remove it."));
        result = refused();
        return false;
    }
    return true;
}

// A document without rows would replace a stored one with nothing; Qty and Item are stored as 16-bit
// numbers, so a larger value is named here instead of being taken for text that is not a number.
bool SaveCommand::checkRows(const Document& document, Result& result)
{
    if (document.rows.isEmpty()) {
        m_dialogs.critical(tr("This document has no rows. Please create at least one row before saving."));
        result = refused();
        return false;
    }
    for (int i = 0; i < document.rowCount(); ++i) {
        const DocumentRow& row = document.rows.at(i);
        const std::pair<QString, QString> fields[] = {{tr("Qty"), row.qty}, {tr("Item"), row.serial}};
        for (const auto& [field, text] : fields) {
            qint16 value = 0;
            if (NumberText::readQuantity(EmptyToZero(text.trimmed()), m_locale, value) != NumberError::Overflow)
                continue;
            m_dialogs.critical(tr("The %1 in row %2 (%3) is outside the range this field can hold: whole numbers "
                                  "from %4 to %5.")
                                   .arg(field)
                                   .arg(i + 1)
                                   .arg(text.trimmed())
                                   .arg(std::numeric_limits<qint16>::min())
                                   .arg(std::numeric_limits<qint16>::max()),
                               tr("Number out of range"));
            result = refused();
            return false;
        }
    }
    return true;
}

bool SaveCommand::confirmReplace(const QString& number, const QString& currentDocNumber, bool& replace,
                                 Result& result)
{
    const SqlResult existing = m_database.query(DocStatements::selectByNumber(number));
    if (!existing.ok) {
        result = failed(existing.error);
        return false;
    }
    replace = !existing.records.isEmpty();
    // The open document saved again under its own number replaces itself without a question.
    if (!replace || (!currentDocNumber.isEmpty() && currentDocNumber == number))
        return true;
    const QString prompt = tr("The document  \"%1\"  has been used by a previous document . Do you wish to replace it?")
                               .arg(number);
    if (m_dialogs.confirmYesNo(prompt, tr("Replace previous document %1 ?").arg(number)))
        return true;
    result = refused(true);
    return false;
}

QString SaveCommand::takenMeanwhileMessage(const QString& number)
{
    return tr("Another desk has just saved a document numbered \"%1\". Nothing was saved: save again to be "
              "asked whether to replace it.")
        .arg(number);
}

SaveCommand::Result SaveCommand::write(const Document& document, const QString& number, const QStringList& inserts,
                                       bool mustStayFree)
{
    // The delete and the inserts stand or fall together: the old rows survive any failure. Under the
    // number's lock no other desk saves or deletes it, so what is checked here still holds at commit.
    if (!m_database.beginTransaction())
        return failed(tr("The database cannot start a transaction."));
    if (!m_database.lockNumber(number)) {
        m_database.rollback();
        return failed(tr("The database refused to commit the document."));
    }
    if (mustStayFree) {
        const SqlResult existing = m_database.query(DocStatements::countRows(number));
        if (!existing.ok || existing.records.isEmpty()) {
            m_database.rollback();
            return failed(existing.error);
        }
        if (existing.records.first().value(0).toLongLong() > 0) {
            m_database.rollback();
            m_dialogs.warn(takenMeanwhileMessage(number));
            return refused(true);
        }
    }
    // The series counter is read and moved under its row lock in this transaction: a failed save
    // leaves it where it was, and another desk's save of the next number waits for this one.
    QStringList statements = inserts;
    QString seriesError;
    const QString advance =
        NumberSeries(m_database).advanceStatement(document.docType, number, document.docDate, &seriesError);
    if (!seriesError.isEmpty()) {
        m_database.rollback();
        return failed(seriesError);
    }
    if (!advance.isEmpty())
        statements.append(advance);
    statements.prepend(DocStatements::deleteByNumber(number));
    for (const QString& sql : std::as_const(statements)) {
        const SqlResult done = m_database.execute(sql);
        if (!done.ok) {
            m_database.rollback();
            return failed(done.error);
        }
    }
    // The other desks hear of the number only if the save commits.
    if (!m_database.announceChange(number) || !m_database.commit()) {
        m_database.rollback();
        return failed(tr("The database refused to commit the document."));
    }
    return {};
}

void SaveCommand::finish(Document& document, const QString& number, const QString& reminder)
{
    const QString before = document.currentDocNumber;
    document.currentDocNumber = number;
    if (m_hooks.currentLabel)
        m_hooks.currentLabel(number, true);
    if (number != before)
        m_dialogs.inform(tr("Values updated and new document successfully saved."));
    else
        m_dialogs.inform(tr("Values updated and document successfully saved.") + reminder);
    if (m_hooks.currentLabel)
        m_hooks.currentLabel(number, false);
    if (m_hooks.loadDocs)
        m_hooks.loadDocs();
}
