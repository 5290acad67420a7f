#pragma once

#include "core/Dialogs.h"

class QWidget;

// The real message boxes and file choosers.
class MessageBoxDialogs : public Dialogs
{
public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    DialogAnswer ask(const DialogRequest& request) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& proposed) override;

    // "Images (*.gif;*.jpg)|*.gif;*.jpg" -> "Images (*.gif *.jpg)"
    static QString qtFilter(const QString& filter);

private:
    QWidget* owner() const;

    QWidget* m_parent;
};
