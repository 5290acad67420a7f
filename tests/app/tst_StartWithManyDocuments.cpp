#include "WindowFixture.h"
#include "documents/DocStatements.h"
#include "documents/SavedDocsList.h"
#include "editor/Document.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <memory>

// The main window on a database of many documents: the saved-document list is read after the
// window shows, and keys typed meanwhile reach their field at once.
class TestStartWithManyDocuments : public QObject
{
    Q_OBJECT

private slots:
    void typingWhileTheListFills()
    {
        const int documents = 30000;
        const QString typed = QStringLiteral("Acme Ltd");
        WindowFixture f;
        fillDatabase(f.defaultDatabase(), documents);
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        Database& database = f.database;

        auto* count = window.findChild<QLabel*>(QStringLiteral("lbldocinfo"));
        auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtcus"));
        QVERIFY(count && name);
        QCOMPARE(count->text(), QStringLiteral("No. of Files")); // still being read
        QTest::mouseClick(name, Qt::LeftButton);
        QWidget* focus = QApplication::focusWidget();
        QCOMPARE(focus, name);
        // Keys as the window system queues them: handled whenever the program next looks.
        for (const QChar c : typed) {
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c)));
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c)));
        }
        QVERIFY(QTest::qWaitFor([&] { return name->text() == typed; }, 5000));
        QCOMPARE(count->text(), QStringLiteral("No. of Files")); // the keys did not wait for the list

        QTRY_COMPARE_WITH_TIMEOUT(count->text(), QStringLiteral("%1 files").arg(documents), 120000);
        const SavedDocsListing expected = SavedDocsList::LoadDocs(database, SavedDocsList::ByDate, QLocale::c());
        auto* list = window.findChild<QComboBox*>(QStringLiteral("cboDocNumber"));
        QVERIFY(list && list->count() > 0);
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->itemText(i), expected.entries.at(i));
        QCOMPARE(name->text(), typed);
    }

private:
    static void fillDatabase(const QString& path, int documents)
    {
        Database db(QLocale::c());
        QVERIFY(db.create(path));
        db.beginTransaction();
        for (int i = 0; i < documents; ++i) {
            Document doc;
            doc.docNumber = QStringLiteral("M-%1").arg(i, 6, 10, QLatin1Char('0'));
            doc.docDate = QDate(2020, 1, 1).addDays(i % 2000);
            doc.docType = QStringLiteral("Invoice");
            doc.billToName = QStringLiteral("Customer %1").arg(i % 300);
            doc.paid = doc.total = doc.chargesAmount = QStringLiteral("0");
            doc.rows.append(DocumentRow());
            QVERIFY(db.execute(DocStatements::insertRow(doc, 0, QDate(2026, 12, 7), QLocale::c()).sql).ok);
        }
        QVERIFY(db.commit());
    }
};

TW_TEST_MAIN(TestStartWithManyDocuments)
#include "tst_StartWithManyDocuments.moc"
