#pragma once

#include <QCoreApplication>
#include <QString>

// The explanations behind the "?" buttons of the company and letterhead page.
class SettingsHelp
{
    Q_DECLARE_TR_FUNCTIONS(SettingsHelp)

public:
    static QString company(const QString& saveCaption);
    static QString tax();
    static QString alignLeft();
    static QString addressRight();
    static QString browseLogo();
    static QString layout();
};
