#include "WindowFixture.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/JetFile.h"
#include "store/JetImporter.h"
#include "store/JetMigration.h"

#include <QRandomGenerator>
#include <QSqlRecord>

namespace {

const QStringList DateColumns{QStringLiteral("DocDate"), QStringLiteral("SaveDate")};
const QStringList NumberColumns{
    QStringLiteral("ID"),    QStringLiteral("Serial"),   QStringLiteral("Qty"),
    QStringLiteral("Price"), QStringLiteral("Discount"), QStringLiteral("Amount"),
    QStringLiteral("Paid"),  QStringLiteral("Total"),    QStringLiteral("Delivery")};

using namespace TestSupport;

const QString MdbPath = fixture(QStringLiteral("legacy/legacy-2004.mdb"));

// The values listed beside the old-format fixture: ID -> column -> value (invalid for NULL). Nothing
// when a listed length disagrees with the unescaped value (\r \n \t \\ are escaped).
using Rows = QMap<qlonglong, QMap<QString, QVariant>>;
Rows listedValues()
{
    Rows rows;
    const QStringList lines = QString::fromUtf8(readFile(MdbPath + QStringLiteral(".values.tsv"))).split(u'\n');
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split(u'\t');
        if (cells.size() != 4)
            continue;
        QVariant& slot = rows[cells[0].toLongLong()][cells[1]];
        if (cells[3] == QLatin1String("<NULL>"))
            continue;
        QString value;
        for (qsizetype i = 0; i < cells[3].size(); ++i) {
            const QChar c = cells[3][i];
            const QChar next = c == u'\\' && i + 1 < cells[3].size() ? cells[3][++i] : QChar();
            value += next.isNull() ? c : next == u'r' ? u'\r' : next == u'n' ? u'\n' : next == u't' ? u'\t' : next;
        }
        if (value.size() != cells[2].toInt())
            return {};
        slot = value;
    }
    return rows;
}

qlonglong count(Database& db, const QString& sql)
{
    const SqlResult result = db.query(sql);
    return result.ok && !result.records.isEmpty() ? result.records.first().value(0).toLongLong() : -1;
}

// A listed or stored value in comparable form: dates as 'yyyy-MM-dd', numbers as numbers, NULL invalid.
QVariant comparable(const QString& column, const QVariant& value)
{
    if (value.isNull())
        return {};
    if (DateColumns.contains(column))
        return value.toString().left(10);
    return NumberColumns.contains(column) ? QVariant(value.toString().toDouble()) : QVariant(value.toString());
}

} // namespace

class TestJetImport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    // A new, empty database of the program (a failed creation fails the checks on it).
    std::unique_ptr<Database> newDatabase()
    {
        auto db = std::make_unique<Database>();
        db->create(m_dir.filePath(QStringLiteral("db%1.mdb").arg(++m_files)));
        return db;
    }

private slots:
    void initTestCase()
    {
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
        QVERIFY(!readFile(MdbPath).isEmpty());
    }

    // Into an empty database: every value as saved, the company in place of the placeholder; a second
    // import of the same file adds nothing.
    void everyValueArrivesOnce()
    {
        auto db = newDatabase();
        QString error;
        const auto summary = JetImporter(*db).importFile(MdbPath, &error);
        QVERIFY2(summary, qPrintable(error));
        QCOMPARE(summary->documents, 3);
        QCOMPARE(summary->rows, 6);
        QVERIFY(summary->skipped.isEmpty());
        QVERIFY(summary->missingColumns.isEmpty());

        // The list holds the leap day and 1 Jan 1999, umlauts, Cyrillic and CJK, the 40,014-character
        // memo, Yes/No flags, Long and Double numbers, and NULL beside "" in the ship-to columns.
        const Rows listed = listedValues();
        const SqlResult stored = db->query(QStringLiteral("SELECT * FROM tbldoc ORDER BY ID"));
        QVERIFY(stored.ok);
        QCOMPARE(stored.records.size(), listed.size());
        for (const QSqlRecord& record : stored.records) {
            const qlonglong id = record.value(QStringLiteral("ID")).toLongLong();
            QVERIFY2(listed.contains(id), "the old IDs carry over into an empty database");
            for (auto it = listed[id].cbegin(); it != listed[id].cend(); ++it) {
                QVERIFY2(record.indexOf(it.key()) >= 0, qPrintable(it.key()));
                const QVariant expected = comparable(it.key(), it.value());
                const QVariant actual = comparable(it.key(), record.value(it.key()));
                QVERIFY2(actual == expected && actual.isValid() == expected.isValid(),
                         qPrintable(QStringLiteral("ID %1 %2: stored %3")
                                        .arg(id)
                                        .arg(it.key(), actual.toString().left(60))));
            }
        }

        QCOMPARE(summary->company, JetImportSummary::Company::Imported);
        QCOMPARE(summary->companyName, QStringLiteral("Müller & Söhne GmbH"));
        const auto profile = CompanyRepository(*db).loadDefault();
        QVERIFY(profile);
        QCOMPARE((QStringList{profile->name, profile->address, profile->currencySymbol, profile->taxName, profile->taxPercent}),
                 (QStringList{QStringLiteral("Müller & Söhne GmbH"), QStringLiteral("Hauptstraße 1\r\n10115 Berlin\r\nTel 030 123"),
                              QStringLiteral("€"), QStringLiteral("MwSt"), QStringLiteral("19")}));
        QCOMPARE(count(*db, QStringLiteral("SELECT count(*) FROM tblcompany")), 2);
        QCOMPARE(count(*db, QStringLiteral("SELECT count(*) FROM tblcompany WHERE Default = 'Yes'")), 1);

        const auto again = JetImporter(*db).importFile(MdbPath);
        QVERIFY(again);
        QCOMPARE(again->documents, 0);
        QCOMPARE(again->rows, 0);
        QCOMPARE(again->skipped, (QStringList{QStringLiteral("INV-1001"), QStringLiteral("QUO-7"),
                                              QStringLiteral("PO 2026/01")}));
        QCOMPARE(again->company, JetImportSummary::Company::KeptHasDocuments);
        QCOMPARE(count(*db, QStringLiteral("SELECT count(*) FROM tbldoc")), 6);
        QCOMPARE(count(*db, QStringLiteral("SELECT count(*) FROM tblcompany")), 2);
    }

    void storedNumbersAreLeftOutOthersAppended()
    {
        auto db = newDatabase();
        // Numbers compare without regard to case, as the program's own saving does.
        QVERIFY(db->execute(QStringLiteral("INSERT INTO tbldoc (Docnumber, Serial, CompanyName) "
                                           "VALUES ('quo-7', 1, 'Mine')")).ok);
        QVERIFY(db->execute(QStringLiteral("UPDATE tblcompany SET CompanyName = 'Kept Ltd'")).ok);
        const auto summary = JetImporter(*db).importFile(MdbPath);
        QVERIFY(summary);
        QCOMPARE(summary->documents, 2);
        QCOMPARE(summary->rows, 4);
        QCOMPARE(summary->skipped, QStringList{QStringLiteral("QUO-7")});
        QCOMPARE(CompanyRepository(*db).loadDefault()->name, QStringLiteral("Kept Ltd"));
        QCOMPARE(count(*db, QStringLiteral("SELECT count(*) FROM tbldoc WHERE CompanyName = 'Mine'")), 1);
        // Appended after what was there, in the old order.
        const SqlResult order = db->query(QStringLiteral("SELECT Docnumber, Serial FROM tbldoc ORDER BY ID"));
        QStringList seen;
        for (const QSqlRecord& record : order.records)
            seen.append(record.value(0).toString() + QLatin1Char('/') + record.value(1).toString());
        QCOMPARE(seen, (QStringList{QStringLiteral("quo-7/1"), QStringLiteral("INV-1001/1"),
                                    QStringLiteral("INV-1001/2"), QStringLiteral("INV-1001/3"),
                                    QStringLiteral("PO 2026/01/1")}));
        const QStringList lines = JetImporter::describe(*summary);
        QCOMPARE(lines.first(), QStringLiteral("Documents imported: 2 (4 rows)"));
        QVERIFY(lines.contains(QStringLiteral("Documents already stored, left out: QUO-7")));
    }

    void unusableFilesWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("content"); // "missing" for no file at all
        QTest::addColumn<int>("failingStatement");  // of the import into the database, 0 for none
        QTest::addColumn<QString>("says");
        const QByteArray jet = readFile(MdbPath);
        QByteArray noTable = jet;
        noTable.replace(QByteArray("t\0b\0l\0d\0o\0c\0", 12), QByteArray("t\0b\0l\0x\0x\0x\0", 12));
        QByteArray randomBody = jet.left(4096);
        for (int i = 0; i < 40; ++i)
            randomBody.append(QByteArray(4096, char(QRandomGenerator::global()->bounded(256))));
        QByteArray random(8192, '\0');
        for (char& c : random)
            c = char(QRandomGenerator::global()->bounded(256));
        Database program;
        QVERIFY(program.create(m_dir.filePath(QStringLiteral("program.mdb"))));
        program.close();

        QTest::newRow("no file") << QByteArray("missing") << 0 << "cannot be read";
        QTest::newRow("empty file") << QByteArray() << 0 << "not a database file";
        QTest::newRow("random bytes") << random << 0 << "not a database file";
        QTest::newRow("text") << QByteArray("INV-1001;2004-02-29\n") << 0 << "not a database file";
        QTest::newRow("cut mid-page") << jet.left(100000) << 0 << "incomplete";
        QTest::newRow("cut before the rows") << jet.left(30 * 4096) << 0 << "damaged";
        QTest::newRow("cut inside the long memo") << jet.left(45 * 4096) << 0 << "memo";
        QTest::newRow("header, then noise") << randomBody << 0 << "";
        QTest::newRow("no table tbldoc") << noTable << 0 << "lacks the table tbldoc";
        QTest::newRow("a database of the program") << readFile(program.path()) << 0
                                                    << "not a database file of the old format";
        // A good file, and a statement failing midway: the first check, the first and last row, the company.
        for (const int failing : {1, 5, 10, 12})
            QTest::addRow("statement %d fails", failing) << jet << failing << "Nothing was imported";
    }

    void unusableFilesWriteNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, failingStatement);
        QFETCH(QString, says);
        const QString path = m_dir.filePath(QStringLiteral("bad%1.mdb").arg(++m_files));
        if (content != "missing")
            QVERIFY(!writeFile(path, content).isEmpty());
        auto db = newDatabase();
        db->failStatementAfter(failingStatement);
        QString error;
        QVERIFY(!JetImporter(*db).importFile(path, &error));
        QVERIFY2(failingStatement ? error.startsWith(says) : error.contains(says), qPrintable(error));
        QCOMPARE(count(*db, QStringLiteral("SELECT count(*) FROM tbldoc")), 0);
        QCOMPARE(CompanyRepository(*db).loadDefault()->name, QStringLiteral("Your Company Name"));
    }

    // The first start over an old file imports it beside itself and tells so; from then on the setting leads
    // straight to the new file.
    void startUpImportsBesideTheOldFile()
    {
        WindowFixture f;
        const QString jetPath = writeFile(f.defaultDatabase(), readFile(MdbPath));
        const QByteArray before = fileHash(jetPath);
        const QString imported = f.dir.filePath(QStringLiteral("tallywick-imported.mdb"));
        QCOMPARE(JetMigration::importedPathFor(jetPath), imported);

        QVERIFY(f.make().load(jetPath));
        QCOMPARE(f.database.path(), imported);
        QCOMPARE(f.settings.get(SettingsStore::CompanyDatabase), imported);
        QCOMPARE(fileHash(jetPath), before);
        QCOMPARE(f.dialogs.shown().size(), 1);
        QVERIFY(f.dialogs.shownTexts().first().contains(QDir::toNativeSeparators(imported)));
        QVERIFY(f.dialogs.shownTexts().first().contains(QStringLiteral("Documents imported: 3 (6 rows)")));
        QCOMPARE(count(f.database, QStringLiteral("SELECT count(*) FROM tbldoc")), 6);
        QVERIFY(!QFileInfo::exists(imported + QStringLiteral(".importing")));
        QCOMPARE(f.window->document().company.name, QStringLiteral("Müller & Söhne GmbH"));

        Database next;
        QString message, notice;
        QVERIFY(DatabaseOpener::open(next, f.settings, jetPath, &message, &notice));
        QCOMPARE(next.path(), imported);
        QVERIFY(notice.isEmpty());
    }

    void anEarlierImportIsOpenedNotRepeated()
    {
        WindowFixture f;
        const QString jetPath = writeFile(f.dir.filePath(QStringLiteral("old.mdb")), readFile(MdbPath));
        f.settings.save(SettingsStore::CompanyDatabase, jetPath);
        const QString imported = f.dir.filePath(QStringLiteral("old-imported.mdb"));
        {
            Database earlier;
            QVERIFY(earlier.create(imported));
            QVERIFY(earlier.execute(QStringLiteral("INSERT INTO tbldoc (Docnumber) VALUES ('MARK')")).ok);
        }
        QString message, notice;
        QVERIFY(DatabaseOpener::open(f.database, f.settings, f.defaultDatabase(), &message, &notice));
        QCOMPARE(f.database.path(), imported);
        QCOMPARE(count(f.database, QStringLiteral("SELECT count(*) FROM tbldoc")), 1);
        QVERIFY(notice.contains(QStringLiteral("imported earlier")));
        QCOMPARE(f.settings.get(SettingsStore::CompanyDatabase), imported);
    }

    void aDamagedOldFileStopsStartUpWritingNothing()
    {
        WindowFixture f;
        const QString jetPath = writeFile(f.defaultDatabase(), readFile(MdbPath).left(45 * 4096));
        QVERIFY(!jetPath.isEmpty());
        QString message;
        QVERIFY(!DatabaseOpener::open(f.database, f.settings, jetPath, &message));
        QVERIFY(message.contains(QStringLiteral("could not be imported")));
        QVERIFY(!f.database.isOpen());
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("*.mdb*")}, QDir::Files),
                 QStringList{QStringLiteral("tallywick.mdb")});
        QVERIFY(f.settings.get(SettingsStore::CompanyDatabase).isEmpty());
    }
};

TW_TEST_MAIN(TestJetImport)
#include "tst_JetImport.moc"
