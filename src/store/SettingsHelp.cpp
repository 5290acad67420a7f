#include "store/SettingsHelp.h"

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QString SettingsHelp::company(const QString& saveCaption)
{
    return tr("Enter your Company Name, Address, Currency Symbol and optional Tax information and click the '")
           + saveCaption + tr("' button to use the information in your documents. ");
}

QString SettingsHelp::tax()
{
    return tr("Tax value here will be used in created documents.") + CrLf + CrLf
           + tr("If Tax value is submitted here, there is still an option - on the lower right corner in an open "
                "file - to omit Tax before generating the html document.   ");
}

QString SettingsHelp::alignLeft()
{
    return tr("By default heading is centred.") + CrLf + CrLf
           + tr("Select this checkbox to align Company Name and Address to the TOP LEFT of the page.     ");
}

QString SettingsHelp::addressRight()
{
    return tr("By default heading is centred.") + CrLf + CrLf
           + tr("Select this checkbox to align Company Name on Left; Address on Right.   ");
}

QString SettingsHelp::browseLogo()
{
    return tr("To use logo on your document heading, browse for your Company logo with a suitable size to fit on "
              "the page top.")
           + CrLf;
}

QString SettingsHelp::layout()
{
    return tr("If a logo has been set at 2. please select an option here to ensure the logo will be shown.  ") + CrLf
           + CrLf
           + tr("If Left or Right alignment for heading is not selected at 1. layout option here results in logo "
                "and address being centred on page top.  ");
}
