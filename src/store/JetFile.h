#pragma once

#include "store/JetTable.h"

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>

// Read-only access to a database file of the old format (Jet 3/4, ".mdb"). The file is never
// written; every failure is a message, never a crash or a partial table.
class JetFile
{
    Q_DECLARE_TR_FUNCTIONS(JetFile)

public:
    JetFile();
    ~JetFile();
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    // Whether this build can read such files at all.
    static bool isSupported();
    // The file starts with the old format's signature (checked before anything else reads it).
    static bool hasSignature(const QString& path);

    bool open(const QString& path, QString* error = nullptr);
    void close();
    bool hasTable(const QString& name) const;
    std::optional<JetTable> readTable(const QString& name, QString* error = nullptr);

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    QString m_path;
    qint64 m_fileSize = 0;
};
