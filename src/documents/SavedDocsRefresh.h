#pragma once

#include "documents/SavedDocsList.h"

#include <QLocale>
#include <QString>
#include <QVariantList>

class Database;

// Brings a saved-document list up to date after one number's rows were written or deleted, reading
// only that number's rows and the order keys they touch. Whatever it cannot place exactly (numbers
// or keys that differ only in case) it declines, and the caller reads the whole list again.
class SavedDocsRefresh
{
public:
    SavedDocsRefresh(Database& database, const QLocale& locale, const QString& dateFormat);

    // One number whose rows changed, with the order keys its rows held before.
    struct Change
    {
        QString number;
        QVariantList keysBefore;
    };
    // Beyond this many numbers at once, reading the whole list again is quicker.
    static constexpr qsizetype MaxChanges = 1000;

    // The order keys the rows of `number` hold, read before they change.
    QVariantList keysOf(int order, const QString& number);
    // False when the change has to be shown by reading the whole list again.
    bool apply(SavedDocsListing& listing, const QString& number, const QVariantList& keysBefore);
    bool applyAll(SavedDocsListing& listing, const QList<Change>& changes);

private:
    bool removeEntries(SavedDocsListing& listing, const QList<Change>& changes);
    bool placeClass(SavedDocsListing& listing, const QVariant& value);
    qsizetype insertionPoint(const SavedDocsListing& listing, const QVariant& value);
    bool placeEntry(SavedDocsListing& listing, const QString& number);

    Database& m_database;
    QLocale m_locale;
    QString m_dateFormat;
};
