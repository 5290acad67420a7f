#include "einvoice/EinvoiceXmlCommand.h"

#include "core/Dialogs.h"
#include "editor/Document.h"
#include "einvoice/EinvoiceExport.h"
#include "store/FileReplace.h"

#include <QDir>

QString EinvoiceXmlCommand::run(const Document& document, const QString& folder)
{
    const EinvoiceExport::Result exported = EinvoiceExport::toXml(document, m_locale);
    if (!exported.ok) {
        m_dialogs.critical(exported.message, tr("No e-invoice"));
        return {};
    }
    const QString file = m_dialogs.chooseSaveFile(tr("Export e-invoice XML"), tr("E-invoice XML|*.xml"),
                                                  QDir(folder).filePath(fileName(document.docNumber)));
    if (file.isEmpty())
        return {};
    QString error;
    if (!FileReplace::writeWhole(file, exported.xml, &error)) {
        m_dialogs.critical(error);
        return {};
    }
    m_dialogs.inform(tr("The e-invoice was written to %1.").arg(QDir::toNativeSeparators(file)));
    return file;
}

QString EinvoiceXmlCommand::fileName(const QString& docNumber)
{
    static const QString reserved = QStringLiteral("\\/:*?\"<>|");
    QString name;
    for (const QChar c : docNumber.trimmed())
        name += c.category() == QChar::Other_Control || reserved.contains(c) ? QLatin1Char('_') : c;
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return (name.isEmpty() ? tr("invoice") : name) + QStringLiteral(".xml");
}
