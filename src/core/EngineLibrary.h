#pragma once

#include <QCoreApplication>
#include <QFunctionPointer>
#include <QString>

// The web engine lives in a library of its own that only a shown page or a printed PDF loads, so
// every other start of the programs neither maps nor initialises it.
class EngineLibrary
{
    Q_DECLARE_TR_FUNCTIONS(EngineLibrary)

public:
    // The entry point `symbol`, loading the library on the first call; null with a reason otherwise.
    static QFunctionPointer resolve(const char* symbol, QString* error);
    // Whether this process has loaded it.
    static bool isLoaded();
};
