#include "store/ServerAddress.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString decoded(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString encoded(const QString& part)
{
    return QString::fromUtf8(QUrl::toPercentEncoding(part));
}

} // namespace

bool ServerAddress::looksLikeUrl(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

std::optional<ServerAddress> ServerAddress::parse(const QString& text, QString* error)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^postgres(?:ql)?://(?:([^@/:]*)(:[^@/]*)?@)?(\[[^\]]*\]|[^/:?]*)(?::(\d{1,5}))?/([^/?]+)(?:\?(.*))?$)"),
        QRegularExpression::CaseInsensitiveOption);
    auto fail = [&](const QString& message) -> std::optional<ServerAddress> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return fail(tr("Not a server address: %1 (expected postgresql://user@host:port/database)").arg(text));
    if (!match.captured(2).isEmpty())
        return fail(tr("The server address must not hold a password; use ~/.pgpass instead."));
    ServerAddress address;
    address.user = decoded(match.captured(1));
    address.host = decoded(match.captured(3));
    if (address.host.startsWith(QLatin1Char('[')))
        address.host = address.host.mid(1, address.host.size() - 2);
    address.database = decoded(match.captured(5));
    if (!match.captured(4).isEmpty())
        address.port = match.captured(4).toInt();
    if (address.port < 1 || address.port > 65535)
        return fail(tr("Not a server port: %1").arg(match.captured(4)));
    const QUrlQuery query(match.captured(6));
    if (query.hasQueryItem(QStringLiteral("host")))
        address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("user")))
        address.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("password")))
        return fail(tr("The server address must not hold a password; use ~/.pgpass instead."));
    return address;
}

QString ServerAddress::toUrl() const
{
    QString url = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        url += encoded(user) + QLatin1Char('@');
    url += host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : encoded(host);
    return url + QStringLiteral(":%1/").arg(port) + encoded(database);
}

QString ServerAddress::describe() const
{
    const QString server = (host.isEmpty() ? QStringLiteral("localhost") : host) + QStringLiteral(":%1").arg(port);
    if (user.isEmpty())
        return tr("database %1 on server %2").arg(database, server);
    return tr("database %1 on server %2 as %3").arg(database, server, user);
}
