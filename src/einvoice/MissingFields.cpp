#include "einvoice/MissingFields.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("MissingFields", text);
}

QString placeText(const MissingFields::Entry& entry)
{
    switch (entry.place) {
    case MissingFields::Place::Company:
        return tr("Settings, E-invoice");
    case MissingFields::Place::Document:
        return tr("the document's e-invoice fields beside \"Issued by\"");
    case MissingFields::Place::Window:
        break;
    }
    return entry.where;
}

} // namespace

void MissingFields::add(const QString& what, Place place, const QString& key, const QString& where)
{
    m_entries.append({what, place, where, key});
}

QString MissingFields::message(bool withKeys) const
{
    QString text = tr("The e-invoice cannot be written until these fields are filled in:");
    for (const Entry& entry : m_entries) {
        text += QStringLiteral("\n- %1: %2").arg(entry.what, placeText(entry));
        if (withKeys && !entry.key.isEmpty())
            text += QStringLiteral(" (%1)").arg(entry.key);
    }
    return text;
}
