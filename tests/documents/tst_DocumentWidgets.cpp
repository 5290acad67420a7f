#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/SaveCommand.h"
#include "documents/SavedDocsList.h"
#include "documents/widgets/DocumentsController.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "store/widgets/MaintenancePanel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

class TestDocumentWidgets : public QObject
{
    Q_OBJECT

private slots:
    void savedDocsPanelControls()
    {
        SavedDocsPanel panel;
        auto* list = panel.findChild<QComboBox*>(QStringLiteral("cboDocNumber"));
        QVERIFY(list);
        QVERIFY(QFontInfo(list->font()).fixedPitch());
        QVERIFY(panel.findChild<QLabel*>(QStringLiteral("lbldocinfo")));
        QVERIFY(panel.findChild<QPushButton*>(QStringLiteral("cmdgetDOC")));
        QCOMPARE(panel.findChild<QPushButton*>(QStringLiteral("cmddeletePO"))->toolTip(), QStringLiteral("Delete this document"));
        for (int i = 0; i < SavedDocsList::OrderCount; ++i) {
            auto* option = panel.findChild<QRadioButton*>(QStringLiteral("optOrder%1").arg(i));
            QVERIFY(option);
            QCOMPARE(option->text(), SavedDocsList::caption(i));
            QCOMPARE(option->isChecked(), i == 0);
        }
        QSignalSpy orders(&panel, &SavedDocsPanel::orderChanged);
        panel.findChild<QRadioButton*>(QStringLiteral("optOrder2"))->click();
        QCOMPARE(orders.size(), 1);
        QCOMPARE(orders.first().first().toInt(), 2);
        QCOMPARE(panel.order(), 2);
    }

    void enterInTheListOpens()
    {
        SavedDocsPanel panel;
        panel.showListing({true, {}, QStringLiteral("2 files"), {QStringLiteral("A"), QStringLiteral("B")}});
        QCOMPARE(panel.countLabel()->text(), QStringLiteral("2 files"));
        QCOMPARE(panel.list()->count(), 2);
        QSignalSpy opens(&panel, &SavedDocsPanel::openRequested);
        panel.setListText(QStringLiteral("INV-3"));
        QTest::keyClick(panel.list()->lineEdit(), Qt::Key_Return);
        QCOMPARE(opens.size(), 1);
        QCOMPARE(opens.first().first().toString(), QStringLiteral("INV-3"));
        QCOMPARE(panel.list()->count(), 2);  // typed text is not added to the list
    }

    void controllerSavesListsAndOpens()
    {
        StoreFixture f;
        SavedDocsPanel panel;
        Document onScreen = sampleDocument(QStringLiteral("W-1"));
        QStringList labels;
        DocumentsController::Window window;
        window.document = [&] { return onScreen; };
        window.showDocument = [&](const Document& shown) { onScreen = shown; };
        window.currentLabel = [&](const QString& caption, bool pink) { labels << caption + (pink ? QStringLiteral("*") : QString()); };
        window.documentOpen = [] { return false; };
        window.createQuietNewRow = [&] { onScreen = Document(); onScreen.rows.append(DocumentRow()); };
        DocumentsController controller(f.db, f.dialogs, &panel, window);

        controller.save();
        QCOMPARE(onScreen.currentDocNumber, QStringLiteral("W-1"));
        QCOMPARE(labels, (QStringList{QStringLiteral("W-1*"), QStringLiteral("W-1")}));
        QCOMPARE(panel.countLabel()->text(), QStringLiteral("1 files"));
        QCOMPARE(panel.list()->count(), 1);

        onScreen = Document();
        panel.setListText(panel.list()->itemText(0));
        QTest::keyClick(panel.list()->lineEdit(), Qt::Key_Return);
        QCOMPARE(onScreen.docNumber, QStringLiteral("W-1"));
        QCOMPARE(onScreen.rowCount(), 3);
        QCOMPARE(panel.listText(), QString());

        f.dialogs.setNextAnswer(DialogAnswer::Yes);
        panel.deleteButton()->click();
        QCOMPARE(onScreen.rowCount(), 1);
        QCOMPARE(panel.countLabel()->text(), QStringLiteral("0 files"));
    }

    void maintenancePanelControls()
    {
        StoreFixture f;
        MaintenancePanel panel;
        for (const char* name : {"cmdcompact", "cmdDeleteDocs", "cmdDeleteDocsHelp"})
            QVERIFY(panel.findChild<QPushButton*>(QLatin1String(name)));
        QCOMPARE(panel.findChild<QDateEdit*>(QStringLiteral("DTPfrom"))->date(), QDate::currentDate());
        QCOMPARE(panel.findChild<QDateEdit*>(QStringLiteral("DTPto"))->date(), QDate::currentDate());
        QVERIFY(panel.findChild<QLabel*>(QStringLiteral("lblprocess"))->isHidden());
        panel.attach(f.db, f.dialogs);
        panel.findChild<QPushButton*>(QStringLiteral("cmdDeleteDocsHelp"))->click();
        QCOMPARE(f.dialogs.shownTexts().last(),
                 QStringLiteral("To purge old documents from the database, please select the target period and then "
                                "click the 'Delete Documents Issued from' button.  "));

        ScriptedDialogs proceed(true);
        panel.attach(f.db, proceed);
        panel.setTempFolder(f.dir.path());
        QSignalSpy changed(&panel, &MaintenancePanel::documentsChanged);
        panel.purgeButton()->click();  // backup: yes, so the compaction runs first
        if (changed.isEmpty())
            qWarning() << proceed.shownTexts();
        QCOMPARE(changed.size(), 1);
        QVERIFY(f.db.isOpen());
        QVERIFY(panel.progressLabel()->isHidden());
        QCOMPARE(proceed.shownTexts().last(), QStringLiteral("Target documents successfully deleted .    "));
    }
};

TW_TEST_MAIN(TestDocumentWidgets)
#include "tst_DocumentWidgets.moc"
