#pragma once

// A database of generated documents for the benchmarks: made once per run in a temporary folder,
// or copied from the files tools/make-bench-db.sh writes (TW_BENCH_DATA, default "bench-data").
#include "BenchDocuments.h"
#include "editor/Document.h"
#include "store/Database.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

class BenchDatabase
{
public:
    static QLocale locale() { return BenchDocuments::locale(); }

    // `documents` documents made by `make`, written row by row as a save writes them.
    BenchDatabase(int documents, const std::function<Document(int)>& make) : m_db(locale())
    {
        if (m_db.create(path()))
            BenchDocuments::fill(m_db, documents, make);
    }

    // A copy of one of the script's files (docs-0.mdb, docs-10000.mdb, docs-100000.mdb); not open
    // when the file is missing.
    explicit BenchDatabase(const QString& scriptFile) : m_db(locale())
    {
        if (QFile::copy(dataFolder() + QLatin1Char('/') + scriptFile, path()))
            m_db.open(path());
    }

    static QString dataFolder()
    {
        const QString folder = qEnvironmentVariable("TW_BENCH_DATA");
        return folder.isEmpty() ? QStringLiteral("bench-data") : folder;
    }

    Database& db() { return m_db; }
    QString path() const { return m_dir.filePath(QStringLiteral("bench.mdb")); }

private:
    QTemporaryDir m_dir;
    Database m_db;
};
