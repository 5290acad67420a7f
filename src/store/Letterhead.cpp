#include "store/Letterhead.h"

#include "core/SettingsStore.h"

Letterhead Letterhead::fromSettings(const SettingsStore& settings)
{
    return {settings.get(SettingsStore::CompanyLogoPath), settings.get(SettingsStore::Layout),
            settings.get(SettingsStore::AlignLeft), settings.get(SettingsStore::AddressRight), settings.get(SettingsStore::DateFormat)};
}
