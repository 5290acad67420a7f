#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class Dialogs;
struct Document;

// Tools › "Export e-invoice XML…": the open document as an EN 16931 invoice file. A refusal (a type
// without e-invoice, missing fields, amounts that do not add up) is shown before any file is asked for.
class EinvoiceXmlCommand
{
    Q_DECLARE_TR_FUNCTIONS(EinvoiceXmlCommand)

public:
    EinvoiceXmlCommand(Dialogs& dialogs, const QLocale& locale) : m_dialogs(dialogs), m_locale(locale) {}

    // The written file's path, or "" when refused, cancelled or failed (the message has been shown).
    QString run(const Document& document, const QString& folder);

    // A file name made of the document number, safe on every file system.
    static QString fileName(const QString& docNumber);

private:
    Dialogs& m_dialogs;
    QLocale m_locale;
};
