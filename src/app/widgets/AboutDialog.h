#pragma once

#include <QDialog>

class QFormLayout;

// frmAbout: name, version, licence and where this copy keeps its data, with links that open the
// folders and the user guide.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const QString& databasePath, const QString& settingsFile, QWidget* parent = nullptr);

    // A link that opens the file's folder, or the plain path when it cannot be linked; "(none)" when empty.
    static QString pathLink(const QString& path, bool linkFolder);

private:
    void addPath(QFormLayout* form, const QString& name, const QString& label, const QString& path,
                 bool linkFolder);
};
