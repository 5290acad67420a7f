// One desk of the several-desks test: saves, re-saves and deletes documents on a server through the
// program's own commands as fast as it can, until it has done its count or its time is up, and
// writes one line per finished operation to standard output:
//   S <number> <marker> <rows> <startNs> <endNs>   a save that succeeded
//   D <number> <startNs> <endNs>                   a delete that succeeded
//   R <number>                                     a save refused (another desk took the number)
//   F <number> <error>                             a save or delete that failed
//   X <number> <what>                              a read that saw a document not whole
// Times are the system's monotonic clock, which every process on the machine shares.
#include "core/Dialogs.h"
#include "documents/DeleteCommand.h"
#include "documents/DocStatements.h"
#include "documents/SaveCommand.h"
#include "editor/Document.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QSqlRecord>
#include <QTextStream>
#include <chrono>
#include <cstdio>

namespace {

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Every row's description says which save wrote it and how many rows that save wrote.
Document makeDocument(const QString& number, const QString& marker, int rows)
{
    Document document;
    document.docNumber = number;
    document.docDate = QDate(2026, 12, 4);
    for (int r = 1; r <= rows; ++r) {
        DocumentRow row;
        row.productId = QStringLiteral("P%1").arg(r);
        row.description = QStringLiteral("%1 %2/%3").arg(marker).arg(r).arg(rows);
        row.qty = QStringLiteral("1");
        row.price = QStringLiteral("2.50");
        row.amount = QStringLiteral("2.50");
        document.rows.append(row);
    }
    return document;
}

class Desk
{
public:
    Desk(Database& database, int desk, QTextStream& out) : m_database(database), m_desk(desk), m_out(out) {}

    void save(const QString& number, const QString& marker, int rows, bool alreadyOpen)
    {
        ScriptedDialogs dialogs(true);
        Document document = makeDocument(number, marker, rows);
        if (alreadyOpen)
            document.currentDocNumber = number;
        SaveCommand command(m_database, dialogs);
        const qint64 start = nowNs();
        const SaveCommand::Result result = command.save(document);
        const qint64 end = nowNs();
        if (result.outcome == SaveCommand::Outcome::Saved)
            m_out << "S " << number << ' ' << marker << ' ' << rows << ' ' << start << ' ' << end << '\n';
        else if (result.outcome == SaveCommand::Outcome::Refused)
            m_out << "R " << number << '\n';
        else
            m_out << "F " << number << ' ' << result.error.simplified() << '\n';
    }

    void remove(const QString& number)
    {
        ScriptedDialogs dialogs(true);
        DeleteCommand command(m_database, dialogs);
        const qint64 start = nowNs();
        const DeleteCommand::Result result = command.remove(number);
        const qint64 end = nowNs();
        if (result.outcome == DeleteCommand::Outcome::Deleted)
            m_out << "D " << number << ' ' << start << ' ' << end << '\n';
        else
            m_out << "F " << number << ' ' << result.error.simplified() << '\n';
    }

    // What another desk's window would load: all rows of one save, in order, or none.
    void read(const QString& number)
    {
        const SqlResult rows = m_database.query(DocStatements::selectByNumberOrdered(number, true));
        if (!rows.ok) {
            m_out << "F " << number << ' ' << rows.error.simplified() << '\n';
            return;
        }
        QString marker;
        int expected = 0;
        for (qsizetype i = 0; i < rows.records.size(); ++i) {
            const QString text = rows.records.at(i).value(QStringLiteral("Description")).toString();
            if (i == 0) {
                marker = text.section(QLatin1Char(' '), 0, 0);
                expected = text.section(QLatin1Char('/'), 1).toInt();
            }
            if (text != QStringLiteral("%1 %2/%3").arg(marker).arg(i + 1).arg(expected)) {
                m_out << "X " << number << " row " << i + 1 << " reads " << text << '\n';
                return;
            }
        }
        if (!rows.records.isEmpty() && rows.records.size() != expected)
            m_out << "X " << number << " holds " << rows.records.size() << " of " << expected << " rows\n";
    }

    // The shared numbers in changing case: the same document on every desk.
    QString sharedNumber(int k) const
    {
        const QString number = QStringLiteral("Shared-%1").arg((k / 2 + m_desk) % 6);
        return (k + m_desk) % 3 == 0 ? number.toUpper() : number;
    }

    void run(int documents, qint64 deadlineNs)
    {
        for (int k = 0; k < documents && nowNs() < deadlineNs; ++k) {
            const bool shared = k % 2 == 0;
            const QString number = shared ? sharedNumber(k) : QStringLiteral("D%1-%2").arg(m_desk).arg(k);
            // Shared documents are long, so that saves of one number meet while the rows go in.
            const int rows = shared ? 8 + (k * 7 + m_desk * 3) % 25 : 1 + (k + m_desk) % 4;
            save(number, QStringLiteral("d%1k%2a").arg(m_desk).arg(k), rows, false);
            if (shared)
                read(number);
            save(number, QStringLiteral("d%1k%2b").arg(m_desk).arg(k),
                 rows + (k % 5) - 2 > 0 ? rows + (k % 5) - 2 : 1, true);
            if (k % 4 == 3 || (shared && k % 6 == 4))
                remove(number);
            if (shared)
                read(number);
        }
    }

private:
    Database& m_database;
    int m_desk;
    QTextStream& m_out;
};

} // namespace

// desk_client URL DESK DOCUMENTS DEADLINE: the deadline on the monotonic clock (ns), one for all desks so
// that they are still meeting when they stop.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 5) {
        std::fputs("usage: desk_client URL DESK DOCUMENTS DEADLINE_NS\n", stderr);
        return 2;
    }
    QTextStream out(stdout);
    Database database(QLocale(QLocale::English, QLocale::UnitedStates));
    QString error;
    if (database.open(arguments.at(1), &error) != Database::OpenStatus::Opened) {
        out << "F - " << error.simplified() << '\n';
        return 1;
    }
    const qint64 deadline = arguments.at(4).toLongLong();
    Desk(database, arguments.at(2).toInt(), out).run(arguments.at(3).toInt(), deadline);
    out.flush();
    return 0;
}
