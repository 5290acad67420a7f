#pragma once

#include "TestSupport.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "app/widgets/MainWindow.h"
#include "store/Database.h"

#include <memory>

// A main window with its own settings file, database connection and scripted message boxes, all in
// one temporary folder. The window is made on demand so that a test can prepare settings first.
struct WindowFixture
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    Database database{QLocale::c()};
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    MainWindow& make()
    {
        window = std::make_unique<MainWindow>(settings, database, dialogs);
        return *window;
    }
    QString defaultDatabase() const { return dir.filePath(QStringLiteral("tallywick.mdb")); }
    template <typename T> T* find(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }
};
