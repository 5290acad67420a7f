#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/SavedDocsList.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/SavedDocsModel.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "store/PurgeCommand.h"
#include "store/widgets/MaintenancePanel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

class TestDocumentWidgets : public QObject
{
    Q_OBJECT

private slots:
    // A count that gains digits does not push the list's buttons aside.
    void buttonsStayAsTheCountGrows()
    {
        SavedDocsPanel panel;
        panel.resize(900, panel.sizeHint().height());
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto* open = panel.findChild<QPushButton*>(QStringLiteral("cmdgetDOC"));
        QVERIFY(open);
        QList<int> places;
        for (const char* count : {"9 files", "10 files", "1000000 files"}) {
            SavedDocsListing listing;
            listing.countLabel = QString::fromLatin1(count);
            panel.showListing(listing);
            QApplication::processEvents();
            places << open->mapTo(&panel, QPoint()).x();
        }
        QCOMPARE(places, QList<int>({places.first(), places.first(), places.first()}));
    }

    void panelOrderAndEnterInTheList()
    {
        SavedDocsPanel panel;
        QSignalSpy orders(&panel, &SavedDocsPanel::orderChanged);
        panel.findChild<QRadioButton*>(QStringLiteral("optOrder2"))->click();
        QCOMPARE(orders.size(), 1);
        QCOMPARE(orders.first().first().toInt(), 2);
        QCOMPARE(panel.order(), 2);

        SavedDocsListing listing;
        listing.countLabel = QStringLiteral("2 files");
        listing.entries = {QStringLiteral("A"), QStringLiteral("B")};
        panel.showListing(listing);
        QSignalSpy opens(&panel, &SavedDocsPanel::openRequested);
        panel.setListText(QStringLiteral("INV-3"));
        QTest::keyClick(panel.list(), Qt::Key_Return); // a key press reaches the box itself
        QCOMPARE(opens.size(), 1);
        QCOMPARE(opens.first().first().toString(), QStringLiteral("INV-3"));
        QCOMPARE(panel.list()->count(), 2); // typed text is not added to the list
    }

    // A long list changed under the box stays a page long until it is scrolled, and a typed number
    // is still completed from the whole list.
    void longListChangesWithoutFetchingEveryPage()
    {
        SavedDocsPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        SavedDocsListing listing;
        for (int i = 5000; i > 0; --i)
            listing.entries << QStringLiteral("N-%1").arg(i, 4, 10, QLatin1Char('0')).leftJustified(30) + QStringLiteral("  Invoice");
        listing.countLabel = QStringLiteral("5000 files");
        panel.showListing(listing);
        for (const QString& first : {QStringLiteral("NEW-1  Invoice"), SavedDocsList::separatorLine()}) {
            listing.entries.prepend(first);
            panel.showListing(listing);
            listing.entries.removeFirst();
            panel.showListing(listing);
        }
        QVERIFY(panel.list()->count() <= SavedDocsModel::PageSize);
        panel.list()->setFocus();
        panel.list()->lineEdit()->clear();
        QTest::keyClicks(panel.list(), QStringLiteral("n-0007"));
        QCOMPARE(panel.listText().toUpper(), listing.entries.at(5000 - 7).toUpper());
    }

    // The list read a piece at a time ends as one reading gives it, also when a save, a delete, a
    // purge or another program changes the stored documents between two pieces.
    // An order option or a purge of many numbers once the list is there reads it again the same way.
    void fillInPiecesFollowsChangesMeanwhile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("afterFill");
        for (const char* change : {"none", "save", "delete", "purge", "other program", "order option"})
            QTest::newRow(change) << QString::fromLatin1(change) << false;
        QTest::newRow("order option, list shown") << QStringLiteral("order option") << true;
        QTest::newRow("large purge, list shown") << QStringLiteral("large purge") << true;
    }

    void fillInPiecesFollowsChangesMeanwhile()
    {
        QFETCH(QString, change);
        QFETCH(bool, afterFill);
        StoreFixture f;
        f.db.beginTransaction();
        for (int i = 0; i < 12000; ++i) {
            Document doc = sampleDocument(QStringLiteral("F-%1").arg(i), 1);
            doc.docDate = QDate(2026, 1, 1).addDays(i % 300);
            doc.billToName = QStringLiteral("Customer %1").arg(i % 50);
            f.insertRaw(doc);
        }
        f.db.commit();
        SavedDocsPanel panel;
        Document onScreen = sampleDocument(QStringLiteral("NEW-1"));
        DocumentsController::Window window;
        window.document = [&] { return onScreen; };
        window.showDocument = [&](const Document& shown) { onScreen = shown; };
        window.currentLabel = [](const QString&, bool) {};
        window.documentOpen = [] { return false; };
        window.createQuietNewRow = [&] { onScreen = Document(); };
        DocumentsController controller(f.db, f.dialogs, &panel, window);
        QSignalSpy filled(&controller, &DocumentsController::listFilled);

        controller.fillInPieces();
        QVERIFY(controller.filling());
        QCOMPARE(panel.countLabel()->text(), QStringLiteral("No. of Files"));
        if (afterFill) {
            QVERIFY(filled.wait(60000));
            filled.clear();
            panel.setListText(QStringLiteral("F-1"));
        }
        f.dialogs.setNextAnswer(DialogAnswer::Yes);
        if (change == QLatin1String("save")) {
            controller.save();
        } else if (change == QLatin1String("delete")) {
            onScreen.currentDocNumber = QStringLiteral("F-7");
            controller.remove();
        } else if (change == QLatin1String("purge")) {
            const QDate day = QDate(2026, 1, 1).addDays(7);
            controller.purging(PurgeCommand::affectedNumbers(day, day, f.locale));
            QVERIFY(f.db.execute(PurgeCommand::statement(day, day, f.locale)).ok);
            controller.purged();
        } else if (change == QLatin1String("other program")) {
            Database other(f.locale);
            QCOMPARE(other.open(f.dir.filePath(QStringLiteral("docs.mdb"))), Database::OpenStatus::Opened);
            Document doc = sampleDocument(QStringLiteral("A-1"), 1);
            doc.docDate = QDate(2026, 1, 1);
            QVERIFY(other.execute(DocStatements::insertRow(doc, 0, QDate(2026, 12, 5), f.locale).sql).ok);
        } else if (change == QLatin1String("order option")) {
            panel.findChild<QRadioButton*>(QStringLiteral("optOrder2"))->click();
        } else if (change == QLatin1String("large purge")) {
            const QDate from(2026, 1, 1);
            controller.purging(PurgeCommand::affectedNumbers(from, from.addDays(49), f.locale));
            QVERIFY(f.db.execute(PurgeCommand::statement(from, from.addDays(49), f.locale)).ok);
            controller.purged();
        }
        // The window is never held up by a second full reading, and what was typed goes as it did.
        QVERIFY(controller.filling() || change == QLatin1String("none"));
        if (afterFill)
            QCOMPARE(panel.listText(), QString());
        QVERIFY(filled.wait(60000));
        QCOMPARE(filled.first().first().toString(), QString());
        const SavedDocsListing fresh = SavedDocsList::LoadDocs(f.db, panel.order(), f.locale);
        QCOMPARE(panel.countLabel()->text(), fresh.countLabel);
        QCOMPARE(qobject_cast<SavedDocsModel*>(panel.list()->model())->entries(), fresh.entries);
        QVERIFY(fresh.countLabel != QStringLiteral("12000 files") || change == QLatin1String("none")
                || change == QLatin1String("order option"));
    }

    // "Please wait. Compacting..." has its room kept while hidden: nothing below it jumps.
    void compactingLabelKeepsItsRoom()
    {
        MaintenancePanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto* label = panel.findChild<QLabel*>(QStringLiteral("lblprocess"));
        auto* from = panel.findChild<QWidget*>(QStringLiteral("DTPfrom"));
        QVERIFY(label && from && label->isHidden());
        const QPoint before = from->mapTo(&panel, QPoint(0, 0));
        label->show();
        QApplication::processEvents();
        QCOMPARE(from->mapTo(&panel, QPoint(0, 0)), before);
    }

    // The purge itself is tested in tests/store; this is the panel's wiring.
    void maintenancePanelPurges()
    {
        StoreFixture f;
        MaintenancePanel panel;
        ScriptedDialogs proceed(true);
        panel.attach(f.db, proceed);
        panel.setTempFolder(f.dir.path());
        QSignalSpy changed(&panel, &MaintenancePanel::documentsChanged);
        panel.purgeButton()->click(); // backup: yes, so the compaction runs first
        QVERIFY2(changed.size() == 1, qPrintable(proceed.shownTexts().join(QLatin1Char('\n'))));
        QVERIFY(f.db.isOpen());
        QVERIFY(panel.progressLabel()->isHidden());
        QCOMPARE(proceed.shownTexts().last(), QStringLiteral("Target documents successfully deleted .    "));
    }
};

TW_TEST_MAIN(TestDocumentWidgets)
#include "tst_DocumentWidgets.moc"
