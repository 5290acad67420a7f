#pragma once

#include <QByteArray>
#include <QString>

// What the browser window needs from the main window. The main window keeps the authoritative copies
// of the two layout settings and owns the Generate and Save commands; the browser only asks for them.
class ViewerHost
{
public:
    virtual ~ViewerHost() = default;

    // Text of the main window's rows-per-page list (`cbolines`), "" when nothing is chosen.
    virtual QString pageRows() const = 0;
    virtual void setPageRows(const QString& rows) = 0;
    // The main window's `chkTableBorder` ("Show Row Borders").
    virtual bool tableBorders() const = 0;
    virtual void setTableBorders(bool on) = 0;
    // Runs the Generate command as if its button had been pressed; it ends by showing the page again.
    virtual void regenerate() = 0;
    // Runs the Save command as if its button had been pressed.
    virtual void save() = 0;
    // Whether a document is open, i.e. the Generate button is visible.
    virtual bool hasOpenDocument() const = 0;
    // Brings the main window to the front.
    virtual void bringToFront() = 0;
    // The user's remembered settings (SettingsStore keys); an absent key reads "".
    virtual QString setting(const QString& key) const = 0;
    virtual void saveSetting(const QString& key, const QString& value) = 0;
    // The company issuing the document, named as the author of its PDF.
    virtual QString companyName() const = 0;
    // Whether the open document is of a type that has an electronic invoice.
    virtual bool offersEinvoice() const { return false; }
    // The open document's e-invoice XML, recalculated as its page is; empty with `refusal` saying why.
    virtual QByteArray einvoiceXml(QString* refusal)
    {
        if (refusal)
            refusal->clear();
        return {};
    }
};
