#pragma once

#include <QList>
#include <QString>

// Everything an electronic invoice still lacks, gathered so that one message names it all.
class MissingFields
{
public:
    enum class Place { Company, Document, Window };

    struct Entry
    {
        QString what;   // e.g. "Seller VAT identifier or tax number"
        Place place;
        QString where;  // the box on the window, when the place is the window
        QString key;    // the document-file key(s)
    };

    void add(const QString& what, Place place, const QString& key, const QString& where = {});
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QList<Entry>& entries() const { return m_entries; }
    // One message listing every entry and where to fill it in; `withKeys` adds the file keys.
    QString message(bool withKeys) const;

private:
    QList<Entry> m_entries;
};
