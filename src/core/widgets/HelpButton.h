#pragma once

#include <QToolButton>

class Dialogs;

// A small "?" button that explains the field or command beside it in an information box. Its
// objectName is the help key, so tests and style sheets find it by the control name.
class HelpButton : public QToolButton
{
    Q_OBJECT

public:
    HelpButton(const QString& helpKey, Dialogs& dialogs, QWidget* parent = nullptr);

    QString helpKey() const { return objectName(); }

public slots:
    void explain();

private:
    Dialogs& m_dialogs;
};
