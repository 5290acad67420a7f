#pragma once

#include <QLocale>
#include <QWidget>

class Dialogs;
class QCheckBox;
class QLabel;
class SettingsStore;

// The clock command of the settings page: a check box that switches the program's short date
// between the regional format and day-month-year, with a sample of today's date and its "?" button.
// The choice is stored the moment it is made.
class ShortDateFormatBox : public QWidget
{
    Q_OBJECT

public:
    ShortDateFormatBox(SettingsStore& settings, Dialogs& dialogs, QWidget* parent = nullptr,
                       const QLocale& locale = QLocale());

    static QString caption();
    QCheckBox* checkBox() const { return m_check; }
    QString sampleText() const;

signals:
    // The new pattern, for views that show dates.
    void formatChanged(const QString& pattern);

private:
    void apply(bool dayMonthYear);
    void showSample();

    SettingsStore& m_settings;
    QLocale m_locale;
    QCheckBox* m_check;
    QLabel* m_sample;
};
