#include "core/Dialogs.h"

#include <QStringList>

QString Dialogs::applicationTitle()
{
    return QStringLiteral("Tallywick");
}

void Dialogs::inform(const QString& text, const QString& title)
{
    ask({text, title, DialogIcon::Information, DialogButtons::Ok, DialogAnswer::Ok});
}

void Dialogs::warn(const QString& text, const QString& title)
{
    ask({text, title, DialogIcon::Exclamation, DialogButtons::Ok, DialogAnswer::Ok});
}

void Dialogs::critical(const QString& text, const QString& title)
{
    ask({text, title, DialogIcon::Critical, DialogButtons::Ok, DialogAnswer::Ok});
}

void Dialogs::plain(const QString& text, const QString& title)
{
    ask({text, title, DialogIcon::None, DialogButtons::Ok, DialogAnswer::Ok});
}

bool Dialogs::confirmOkCancel(const QString& text, const QString& title, DialogIcon icon)
{
    return ask({text, title, icon, DialogButtons::OkCancel, DialogAnswer::Cancel}) == DialogAnswer::Ok;
}

bool Dialogs::confirmYesNo(const QString& text, const QString& title, DialogIcon icon)
{
    return ask({text, title, icon, DialogButtons::YesNo, DialogAnswer::No}) == DialogAnswer::Yes;
}

DialogAnswer ScriptedDialogs::ask(const DialogRequest& request)
{
    m_shown.append(request);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return defaultAnswer(request);
}

DialogAnswer ScriptedDialogs::defaultAnswer(const DialogRequest& request) const
{
    switch (request.buttons) {
    case DialogButtons::Ok:
        return DialogAnswer::Ok;
    case DialogButtons::OkCancel:
        return m_proceed ? DialogAnswer::Ok : DialogAnswer::Cancel;
    case DialogButtons::YesNo:
        return m_proceed ? DialogAnswer::Yes : DialogAnswer::No;
    case DialogButtons::YesNoCancel:
        return m_proceed ? DialogAnswer::Yes : DialogAnswer::Cancel;
    }
    return DialogAnswer::Cancel;
}

QString ScriptedDialogs::chooseOpenFile(const QString& title, const QString&)
{
    m_fileTitles.append(title);
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

QString ScriptedDialogs::chooseSaveFile(const QString& title, const QString&, const QString& proposed)
{
    m_fileTitles.append(title);
    m_fileProposals.append(proposed);
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

QStringList ScriptedDialogs::shownTexts() const
{
    QStringList texts;
    for (const DialogRequest& request : m_shown)
        texts.append(request.text);
    return texts;
}
