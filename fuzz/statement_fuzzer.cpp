// Feeds arbitrary text to the statement adapter. Any text as a statement: no crash, no hang. Any
// text as a value, quoted as the commands quote it: it leaves the statement whole as one bound
// value, and the database gives back exactly that value.
#include "store/JetSqlTranslator.h"
#include "store/SqlText.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QSqlDatabase& memoryDatabase()
{
    static QSqlDatabase db = [] {
        static int argc = 1;
        static char name[] = "statement_fuzzer";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        QSqlDatabase opened = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz"));
        opened.setDatabaseName(QStringLiteral(":memory:"));
        if (!opened.open())
            std::abort();
        QSqlQuery(opened).exec(QStringLiteral("CREATE TABLE t (a TEXT, d DATE, \"Default\" TEXT)"));
        return opened;
    }();
    return db;
}

void roundTrip(const JetSqlTranslator& translator, const QString& value)
{
    const QString jet = QStringLiteral("INSERT INTO t (a, d, Default) VALUES ('") + SqlText::EscapeQuotes(value)
                        + QStringLiteral("', #4-Dec-2026#, 'Yes')");
    const std::optional<BoundStatement> bound = translator.translate(jet);
    if (!bound || bound->sql != QStringLiteral("INSERT INTO t (a, d, \"Default\") VALUES (?, ?, ?)")
        || bound->values.size() != 3 || bound->values[0].toString() != value) {
        std::fprintf(stderr, "Statement changed by its value: %s\n", bound ? qPrintable(bound->sql) : "(refused)");
        std::abort();
    }
    // The engine stores text as UTF-8 and reads U+FFFE and U+FFFF back as U+FFFD, and it takes a
    // leading U+FEFF for a byte order mark and drops it; half a surrogate pair cannot come back as
    // it went in either.
    if (!value.isValidUtf16() || value.contains(QChar(0xFFFE)) || value.contains(QChar(0xFFFF))
        || value.startsWith(QChar(0xFEFF)))
        return;
    QSqlQuery query(memoryDatabase());
    query.exec(QStringLiteral("DELETE FROM t"));
    query.prepare(bound->sql);
    for (const QVariant& v : bound->values)
        query.addBindValue(v);
    if (!query.exec() || !query.exec(QStringLiteral("SELECT a, d FROM t")) || !query.next()) {
        std::fprintf(stderr, "Statement failed: %s\n", qPrintable(query.lastError().text()));
        std::abort();
    }
    const QString stored = query.value(0).toString();
    if (stored != value || query.value(1).toString() != QStringLiteral("2026-12-04") || query.next()) {
        std::fprintf(stderr, "Stored %s instead of %s\n", qPrintable(stored.toUtf8().toHex()), qPrintable(value.toUtf8().toHex()));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const JetSqlTranslator translator(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    QString error;
    if (!translator.translate(text, &error) && error.isEmpty())
        std::abort();
    roundTrip(translator, text);
    return 0;
}
