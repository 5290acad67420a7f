#include "core/widgets/ShortDateFormatBox.h"

#include "core/HelpTexts.h"
#include "core/SettingsStore.h"
#include "core/ShortDateFormat.h"
#include "core/widgets/HelpButton.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

ShortDateFormatBox::ShortDateFormatBox(SettingsStore& settings, Dialogs& dialogs, QWidget* parent,
                                       const QLocale& locale)
    : QWidget(parent), m_settings(settings), m_locale(locale), m_check(new QCheckBox(caption(), this)),
      m_sample(new QLabel(this))
{
    setObjectName(QStringLiteral("FrameDateFormat"));
    m_check->setObjectName(QStringLiteral("chkDateFormat"));
    m_sample->setObjectName(QStringLiteral("lblDateFormatSample"));
    m_check->setChecked(ShortDateFormat::isDayMonthYear(settings.get(SettingsStore::DateFormat)));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addWidget(new HelpButton(HelpTexts::DateFormat, dialogs, this));
    layout->addWidget(m_sample, 1);
    showSample();
    // toggled, not clicked: a check made from code stores the choice exactly as a user's click does.
    connect(m_check, &QCheckBox::toggled, this, &ShortDateFormatBox::apply);
}

QString ShortDateFormatBox::caption()
{
    return tr("Set this computer clock Date to this format: dd-MMM-yyyy");
}

QString ShortDateFormatBox::sampleText() const
{
    return m_sample->text();
}

void ShortDateFormatBox::apply(bool dayMonthYear)
{
    m_settings.save(SettingsStore::DateFormat, ShortDateFormat::settingFor(dayMonthYear));
    showSample();
    emit formatChanged(ShortDateFormat::pattern(m_locale, m_settings));
}

void ShortDateFormatBox::showSample()
{
    m_sample->setText(
        tr("Today: %1").arg(ShortDateFormat::format(QDate::currentDate(), m_locale, m_settings)));
}
