#pragma once

#include <QString>

// Where the program keeps its own files: the per-user application data folder.
class AppPaths
{
public:
    // The folder, created when missing. Empty when it cannot be created.
    static QString dataFolder();
    static QString inDataFolder(const QString& fileName);
    static QString defaultDatabase() { return inDataFolder(QStringLiteral("tallywick.mdb")); }
    static QString generatedPage() { return inDataFolder(QStringLiteral("~document.htm")); }
};
