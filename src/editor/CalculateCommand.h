#pragma once

#include <QCoreApplication>
#include <QLocale>

class Dialogs;
struct Document;

// " Calculate": the recomputation, with its failure shown as the error's description and number.
class CalculateCommand
{
    Q_DECLARE_TR_FUNCTIONS(CalculateCommand)

public:
    // False when a field could not be read (the message has been shown).
    static bool run(Document& document, const QLocale& locale, Dialogs& dialogs);
};
