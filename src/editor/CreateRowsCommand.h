#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <optional>

class Dialogs;
class OptionBoxes;
struct Document;
struct EditorState;

// "Create Rows": validates the row count, confirms, and rebuilds the rows of the document.
class CreateRowsCommand
{
    Q_DECLARE_TR_FUNCTIONS(CreateRowsCommand)

public:
    static constexpr int MaxRows = 65;
    static constexpr int MultiLineMaxRows = 19;

    // Refused: a message was shown, the count is to be emptied and refocused. Cancelled: a question
    // was answered Cancel, nothing changed.
    enum class Outcome { Refused, Cancelled, Created };

    CreateRowsCommand(Document& document, EditorState& state, const QLocale& locale, Dialogs& dialogs)
        : m_doc(document), m_state(state), m_locale(locale), m_dialogs(dialogs)
    {
    }

    Outcome run(const QString& countText, const QDateTime& now = QDateTime::currentDateTime());

    // The row count as a whole number within 1..limit, or nothing after showing why not.
    std::optional<int> validate(const QString& countText);
    bool confirm(int count);
    void rebuild(int count, const QDateTime& now);

    // Builds rows 1..count, puts the kept texts back unless a new document is being made, and
    // numbers the product IDs left empty. Also used when a stored document is opened.
    static void CreateFields(Document& document, EditorState& state, int count, const QLocale& locale);

private:
    void refuseEmptyCount();
    void finishNewDocument(OptionBoxes& boxes, const QDateTime& now);

    Document& m_doc;
    EditorState& m_state;
    const QLocale& m_locale;
    Dialogs& m_dialogs;
};
