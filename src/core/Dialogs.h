#pragma once

#include <QList>
#include <QString>

enum class DialogIcon { None, Information, Exclamation, Critical, Question };
enum class DialogButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class DialogAnswer { Ok, Cancel, Yes, No };

// One message box as the user sees it.
struct DialogRequest
{
    QString text;
    QString title;
    DialogIcon icon = DialogIcon::None;
    DialogButtons buttons = DialogButtons::Ok;
    DialogAnswer defaultButton = DialogAnswer::Ok;
};

// Every message box and file chooser of the program goes through this interface, so that commands
// can run with scripted answers in tests and on the command line.
class Dialogs
{
public:
    static QString applicationTitle();

    virtual ~Dialogs() = default;
    virtual DialogAnswer ask(const DialogRequest& request) = 0;
    // Returns the chosen file, or an empty text when the user cancels. `filter` is in the
    // "Description|*.a;*.b" form.
    virtual QString chooseOpenFile(const QString& title, const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filter, const QString& proposed) = 0;

    void inform(const QString& text, const QString& title = applicationTitle());
    void warn(const QString& text, const QString& title = applicationTitle());
    void critical(const QString& text, const QString& title = applicationTitle());
    void plain(const QString& text, const QString& title = applicationTitle());
    // OK/Cancel with Cancel as default, as every question that may destroy data.
    bool confirmOkCancel(const QString& text, const QString& title, DialogIcon icon = DialogIcon::Critical);
    // Yes/No with No as default.
    bool confirmYesNo(const QString& text, const QString& title, DialogIcon icon = DialogIcon::Critical);
};

// Test and command-line double: answers from a queue, records what was shown.
class ScriptedDialogs : public Dialogs
{
public:
    // When the queue is empty: `proceed` answers Yes/OK, otherwise the safe button (No/Cancel).
    explicit ScriptedDialogs(bool proceed = false) : m_proceed(proceed) {}

    DialogAnswer ask(const DialogRequest& request) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& proposed) override;

    void setNextAnswer(DialogAnswer answer) { m_answers.append(answer); }
    void setNextFile(const QString& file) { m_files.append(file); }
    const QList<DialogRequest>& shown() const { return m_shown; }
    QStringList shownTexts() const;
    QStringList fileTitles() const { return m_fileTitles; }
    // The names the save choosers proposed, in order.
    QStringList fileProposals() const { return m_fileProposals; }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
        m_files.clear();
        m_fileTitles.clear();
        m_fileProposals.clear();
    }

private:
    DialogAnswer defaultAnswer(const DialogRequest& request) const;

    bool m_proceed;
    QList<DialogAnswer> m_answers;
    QList<QString> m_files;
    QList<DialogRequest> m_shown;
    QStringList m_fileTitles;
    QStringList m_fileProposals;
};
