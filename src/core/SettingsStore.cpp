#include "core/SettingsStore.h"

#include <QSettings>

namespace {
const QString Group = QStringLiteral("Settings");
}

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Tallywick"), QStringLiteral("Tallywick")))
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const QString& key) const
{
    // Anything that is not a plain string (a hand-edited list, say) reads as its text form or "".
    const QVariant value = m_settings->value(Group + QLatin1Char('/') + key);
    if (!value.isValid() || !value.canConvert<QString>())
        return QString();
    return value.toString();
}

void SettingsStore::save(const QString& key, const QString& value)
{
    m_settings->setValue(Group + QLatin1Char('/') + key, value);
    m_settings->sync();
}

void SettingsStore::saveSoon(const QString& key, const QString& value)
{
    // QSettings writes its pending changes from the event loop, or at the latest when it ends.
    m_settings->setValue(Group + QLatin1Char('/') + key, value);
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}
