#pragma once

#include "TestSupport.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "app/widgets/MainWindow.h"
#include "editor/widgets/EditorController.h"
#include "store/Database.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QSqlRecord>
#include <QTextEdit>

#include <memory>

// Scripted message boxes whose file chooser, when asked, takes the keyboard focus from the main
// window while it is open, as the desktop's does.
class WindowDialogs : public ScriptedDialogs
{
public:
    bool chooserTakesFocus = false;

    QString chooseOpenFile(const QString& title, const QString& filter) override
    {
        if (chooserTakesFocus) {
            QWidget chooser;
            auto* name = new QLineEdit(&chooser);
            chooser.show();
            chooser.activateWindow();
            name->setFocus();
            if (!QTest::qWaitFor([name] { return QApplication::focusWidget() == name; }, 2000))
                qWarning("the file chooser did not get the focus");
        }
        return ScriptedDialogs::chooseOpenFile(title, filter);
    }
};

// A main window with its own settings file, database connection and scripted message boxes, all in
// one folder (a temporary one unless a folder kept from one start to the next is named). The window
// is made on demand so that a test can prepare settings first; once shown it is driven only through
// the keys and the mouse.
struct WindowFixture
{
    WindowFixture() = default;
    explicit WindowFixture(const QString& keptFolder) : home(keptFolder) {}

    QTemporaryDir dir;
    QDir home{dir.path()};
    SettingsStore settings{home.filePath(QStringLiteral("settings.ini"))};
    Database database{QLocale::c()};
    WindowDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    MainWindow& make()
    {
        window = std::make_unique<MainWindow>(settings, database, dialogs);
        return *window;
    }
    QString defaultDatabase() const { return home.filePath(QStringLiteral("tallywick.mdb")); }

    // Loads the window as start-up does, reading numbers in English form, and shows it on screen; with
    // a row count, then makes a new document of that many rows by the keys.
    bool loadAndShow(int rows = 0)
    {
        make().editor()->setNumberLocale(QLocale(QStringLiteral("en_US")));
        if (!window->load(defaultDatabase()))
            return false;
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        window->resize(1200, 800); // once shown: the first showing fills the (small, offscreen) screen
        if (!QTest::qWaitFor([this] { return window->size() == QSize(1200, 800); }))
            return false;
        if (rows > 0)
            createRows(rows);
        return rows == 0 || QTest::qWaitFor([this, rows] { return window->document().rowCount() == rows; });
    }

    template <typename T = QWidget> T* find(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }

    // Row n's field of the given name.
    template <typename T = QWidget> T* field(const char* name, int row) const
    {
        for (T* field : window->findChildren<T*>(QLatin1String(name))) {
            if (field->property("gridRow").toInt() == row)
                return field;
        }
        qWarning("no field %s in row %d", name, row);
        return nullptr;
    }

    QScrollBar* pageBar() const { return find<QScrollArea>("PicOuter")->verticalScrollBar(); }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), Qt::Key(key), modifiers);
    }
    static void type(const QString& text) { QTest::keyClicks(focus(), text); }

    // A list that opens itself on focus (as soon as the events queued by the focus change are handled)
    // is closed with Escape before typing, as a person does.
    static void closeOpenList()
    {
        QCoreApplication::processEvents();
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
    }

    // The point of the window that shows the widget's middle, the page (or panel) scrolled there first.
    QPoint pointOf(QWidget* target) const
    {
        QCoreApplication::processEvents(); // the layouts settle between a person's actions
        for (QWidget* at = target->parentWidget(); at; at = at->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(at))
                area->ensureWidgetVisible(target);
        }
        QCoreApplication::processEvents();
        // A tick box is clicked on its box: a wide one ignores clicks far right of its caption.
        const bool tick = target->inherits("QCheckBox") || target->inherits("QRadioButton");
        const QPoint middle = target->rect().center();
        return target->mapTo(window.get(), tick ? QPoint(qMin(8, middle.x()), middle.y()) : middle);
    }

    // A click on whatever the window shows at the widget's place.
    void click(QWidget* target, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = pointOf(target);
        QWidget* under = window->childAt(at);
        QVERIFY2(under && (under == target || target->isAncestorOf(under)), qPrintable(target->objectName()));
        QTest::mouseClick(under, button, {}, under->mapFrom(window.get(), at));
    }
    void click(const char* name) { click(find(name)); }

    // The keys that select a field's whole text; Ctrl+A is a typed character the number fields refuse.
    static void selectAll()
    {
        if (qobject_cast<QTextEdit*>(focus()) || qobject_cast<QPlainTextEdit*>(focus())) {
            key(Qt::Key_End, Qt::ControlModifier);
            key(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            key(Qt::Key_End);
            key(Qt::Key_Home, Qt::ShiftModifier);
        }
    }

    // Clicks into a field, empties it and types the text.
    void typeInto(QWidget* target, const QString& text)
    {
        click(target);
        closeOpenList();
        selectAll();
        type(text);
    }
    void typeInto(const char* name, const QString& text) { typeInto(find(name), text); }

    // A click on the settings panel's tab of that title.
    void chooseTab(const QString& title)
    {
        for (QTabBar* bar : find<QWidget>("FrameSettings")->findChildren<QTabBar*>()) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->tabText(i) == title)
                    return QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            }
        }
        QFAIL("no such tab");
    }

    // A right-button click on the box, then a left click on the item of the menu that opens.
    void chooseFromMenu(QTextEdit* box, const char* item)
    {
        click(box, Qt::RightButton);
        auto* menu = find<QMenu>("mnuEdit");
        if (!menu->isVisible()) { // the offscreen platform sends no context-menu event of its own
            const QPoint at = box->viewport()->rect().center();
            QContextMenuEvent press(QContextMenuEvent::Mouse, at, box->viewport()->mapToGlobal(at));
            QApplication::sendEvent(box->viewport(), &press);
        }
        QTRY_VERIFY(menu->isVisible());
        QAction* action = menu->findChild<QAction*>(QLatin1String(item));
        QVERIFY2(action, item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    // Ctrl+N, the count typed, Enter: a new document of that many rows.
    static void createRows(int count)
    {
        key(Qt::Key_N, Qt::ControlModifier);
        closeOpenList();
        type(QString::number(count));
        key(Qt::Key_Return);
    }

    // Ctrl+O, the number typed into the list, then the given key.
    static void openByKeys(const QString& number, int enterKey = Qt::Key_Return)
    {
        key(Qt::Key_O, Qt::ControlModifier);
        closeOpenList();
        type(number);
        key(enterKey, enterKey == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    int storedRows(const QString& number = QString())
    {
        const QString where = number.isEmpty() ? QString() : QStringLiteral(" WHERE DOCnumber='%1'").arg(number);
        const SqlResult result = database.query(QStringLiteral("SELECT COUNT(*) FROM tbldoc") + where);
        return result.ok && !result.records.isEmpty() ? result.records.first().value(0).toInt() : -1;
    }

    // What a field shows; a row number picks that row's field of the name.
    QString text(const char* name, int row = 0) const
    {
        QWidget* widget = row > 0 ? field(name, row) : find(name);
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            return line->text();
        if (auto* box = qobject_cast<QComboBox*>(widget))
            return box->currentText();
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            return plain->toPlainText();
        if (auto* rich = qobject_cast<QTextEdit*>(widget))
            return rich->toPlainText();
        return {};
    }
};
