#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

// Where a shared database lives: postgresql://user@host:port/dbname. The host may be a folder
// holding the server's socket (written %2F-encoded, or as ?host=/folder). No password: the server's
// own means (~/.pgpass, peer, Kerberos) apply as for every client of it.
struct ServerAddress
{
    Q_DECLARE_TR_FUNCTIONS(ServerAddress)

public:
    QString user;
    QString host;
    int port = 5432;
    QString database;

    static bool looksLikeUrl(const QString& text);
    // Nothing, with `error` set, for a text that is no such address (or holds a password).
    static std::optional<ServerAddress> parse(const QString& text, QString* error = nullptr);
    QString toUrl() const;
    // "database tallywick on server db.local:5432 as anna", for messages.
    QString describe() const;

    bool operator==(const ServerAddress&) const = default;
};
