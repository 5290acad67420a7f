#include "core/widgets/MessageBoxDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toIcon(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Exclamation:
        return QMessageBox::Warning;
    case DialogIcon::Critical:
        return QMessageBox::Critical;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toButton(DialogAnswer answer)
{
    switch (answer) {
    case DialogAnswer::Ok:
        return QMessageBox::Ok;
    case DialogAnswer::Cancel:
        return QMessageBox::Cancel;
    case DialogAnswer::Yes:
        return QMessageBox::Yes;
    case DialogAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toButtons(DialogButtons buttons)
{
    switch (buttons) {
    case DialogButtons::Ok:
        return QMessageBox::Ok;
    case DialogButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

DialogAnswer fromButton(int button, DialogButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return DialogAnswer::Ok;
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    default:
        // Escape or the window's close button: the safe answer.
        return buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Cancel;
    }
}

} // namespace

QWidget* MessageBoxDialogs::owner() const
{
    // A box belongs to the window the user is working in, so that window stays in front.
    QWidget* active = QApplication::activeWindow();
    return active ? active : m_parent;
}

DialogAnswer MessageBoxDialogs::ask(const DialogRequest& request)
{
    QMessageBox box(toIcon(request.icon), request.title, request.text, toButtons(request.buttons), owner());
    box.setDefaultButton(toButton(request.defaultButton));
    return fromButton(box.exec(), request.buttons);
}

QString MessageBoxDialogs::qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype open = description.indexOf(QLatin1Char('('));
        if (open >= 0)
            description = description.left(open).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

QString MessageBoxDialogs::chooseOpenFile(const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), title, QString(), qtFilter(filter));
}

QString MessageBoxDialogs::chooseSaveFile(const QString& title, const QString& filter, const QString& proposed)
{
    return QFileDialog::getSaveFileName(owner(), title, proposed, qtFilter(filter));
}
