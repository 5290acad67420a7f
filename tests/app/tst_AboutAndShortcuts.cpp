#include "WindowFixture.h"
#include "core/ShortcutHint.h"
#include "app/widgets/AboutDialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

class TestAboutAndShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void tooltipNamesTheShortcut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Save" << QKeySequence(Qt::CTRL | Qt::Key_S) << "Save (Ctrl+S)";
        QTest::newRow("function key") << "Help Online" << QKeySequence(Qt::Key_F1) << "Help Online (F1)";
        QTest::newRow("mnemonic dropped") << "&Save" << QKeySequence(Qt::CTRL | Qt::Key_S) << "Save (Ctrl+S)";
        QTest::newRow("doubled ampersand kept")
            << "Compact && Backup" << QKeySequence() << "Compact & Backup";
        QTest::newRow("no shortcut") << "About" << QKeySequence() << "About";
    }

    void tooltipNamesTheShortcut()
    {
        QFETCH(QString, text);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, expected);
        QCOMPARE(ShortcutHint::tooltip(text, keys), expected);
    }

    // Ctrl+N, a count and Enter make a new document without the mouse, whether the count is picked
    // from the list that opens or typed after closing it.
    void keyboardAloneCreatesRows_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("picked from the list, Enter on the button") << "3 Return Return";
        QTest::newRow("list closed, count typed") << "Escape 3 Return";
    }

    void keyboardAloneCreatesRows()
    {
        QFETCH(QString, keys);
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        for (const QString& key : keys.split(QLatin1Char(' '))) {
            QWidget* target = QApplication::focusWidget(); // the open list's view while it shows
            QVERIFY(target);
            QTest::keySequence(target, QKeySequence(key));
            QApplication::processEvents();
        }
        QTRY_COMPARE(f.window->document().rowCount(), 3);
    }

    // Every shortcut belongs to one command only (a clash would make Qt run neither), and the tooltip
    // names it.
    void shortcutsAreUniqueAndNamed()
    {
        WindowFixture f;
        MainWindow& window = f.make();
        QStringList seen;
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->shortcut().isEmpty())
                continue;
            const QString keys = action->shortcut().toString();
            QVERIFY2(!seen.contains(keys), qPrintable(keys));
            QVERIFY2(action->toolTip().endsWith(QStringLiteral("(%1)").arg(keys)), qPrintable(action->toolTip()));
            seen.append(keys);
        }
        QVERIFY(seen.contains(QStringLiteral("Ctrl+S")) && seen.contains(QStringLiteral("F1")));
    }

    void aboutShowsWhereTheDataLives()
    {
        QTemporaryDir dir;
        const QString database = dir.filePath(QStringLiteral("a <b> & c/tallywick.mdb"));
        const QString settingsFile = dir.filePath(QStringLiteral("Tallywick.conf"));
        AboutDialog about(database, settingsFile);
        const auto label = [&](const char* name) {
            auto* shown = about.findChild<QLabel*>(QLatin1String(name));
            return shown ? shown->text() : QString();
        };
        QVERIFY(label("lblAboutTitle").contains(QStringLiteral(TALLYWICK_VERSION)));
        // The path is shown as text, not interpreted as markup.
        QVERIFY(label("lblDatabase").contains(database.toHtmlEscaped()));
        QVERIFY(!label("lblDatabase").contains(QStringLiteral("<b>")));
        QVERIFY(label("lblSettingsFile").contains(settingsFile.toHtmlEscaped()));
    }

    void pathLinkOpensTheFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("href");
        QTest::newRow("file's folder") << "/home/ann/data/tallywick.mdb" << true << "file:///home/ann/data";
        QTest::newRow("folder itself") << "/home/ann/data" << false << "file:///home/ann/data";
        QTest::newRow("blank encoded") << "/home/a b/x.conf" << true << "file:///home/a%20b";
    }

    void pathLinkOpensTheFolder()
    {
        QFETCH(QString, path);
        QFETCH(bool, folder);
        QFETCH(QString, href);
        QVERIFY2(AboutDialog::pathLink(path, folder).startsWith(QStringLiteral("<a href=\"%1\">").arg(href)),
                 qPrintable(AboutDialog::pathLink(path, folder)));
        QCOMPARE(AboutDialog::pathLink(QString(), folder), QStringLiteral("(none)"));
    }
};

TW_TEST_MAIN(TestAboutAndShortcuts)
#include "tst_AboutAndShortcuts.moc"
