#pragma once

#include "documents/SavedDocsList.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QVariant>

class QSqlQuery;

class Database;

// Reads the saved-document list a bounded piece at a time, so that a long list can be read between
// key presses. The pieces give exactly what one reading gives as long as the table does not change
// between them; whoever changes it in between starts a new reader.
class SavedDocsReader
{
    Q_DECLARE_TR_FUNCTIONS(SavedDocsReader)

public:
    static constexpr int KeysPerStep = 400;
    static constexpr int NumbersPerStep = 2000;

    // Whole: each stage reads all it has in one statement, for a caller that reads the list to the
    // end at once (a bounded piece only pays off between key presses).
    enum class Pieces
    {
        Bounded,
        Whole
    };

    SavedDocsReader(Database& database, int order, const QLocale& locale, const QString& dateFormat,
                    Pieces pieces = Pieces::Bounded);

    // Reads the next piece; true once the list is complete or cannot be read.
    bool step();
    bool finished() const { return m_stage == Stage::Finished; }
    // The list, complete once finished() (or ok false with the reason).
    SavedDocsListing takeListing();

    // Only the classes and where the rows of a mixed class change spelling, for a caller that reads
    // the entries itself in the list's order; false when they cannot be read (listing() says why).
    bool readClasses();
    const SavedDocsListing& listing() const { return m_listing; }
    // Two classes whose values fold alike: rows are then placed by whichever was read last.
    bool classesShareFolds() const { return m_sharedFolds; }
    // The class a row with this key is placed in; -1 when none.
    qsizetype classIndexOf(const QVariant& key);
    // The run of its class a row is placed in.
    int runOf(qsizetype classIndex, qint64 rowId) const { return m_runOfRow.at(classIndex).value(rowId, 0); }

private:
    enum class Stage { Keys, NullKey, Runs, RowWithoutNumber, Numbers, Finished };

    void readKeys();
    void readNullKey();
    void readRuns();
    void readRowWithoutNumber();
    void readNumbers();
    void readAllNumbers();
    bool keepRow(const QSqlQuery& row);
    bool keep(SavedDocsEntry&& entry, const QVariant& key);
    void place();
    void fail(const QString& error);

    Database& m_database;
    QLocale m_locale;
    QString m_dateFormat;
    QString m_key;
    bool m_down = false;
    bool m_whole = false;
    QVariant SavedDocsList::RowValues::*m_keyOf = &SavedDocsList::RowValues::docDate;
    Stage m_stage = Stage::Keys;
    SavedDocsListing m_listing;

    bool m_sharedFolds = false;
    bool m_wideNumbers = false; // some number has letters outside ASCII
    QVariant m_after;       // the last key or number read, null before the first
    qsizetype m_mixedAt = 0; // the next class whose runs are read
    QHash<QString, qsizetype> m_classOf;
    QHash<QString, qsizetype> m_classOfText; // each key text as stored, once its class is known
    SavedDocsTextCache m_texts;
    QList<QHash<qint64, int>> m_runOfRow;
    QList<QList<SavedDocsEntry>> m_found; // per class, each number's first row as read
};
