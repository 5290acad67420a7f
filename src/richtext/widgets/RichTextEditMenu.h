#pragma once

#include "richtext/FormattingCommands.h"

#include <QMenu>

#include <functional>

class RichTextBox;

// The "Edit" pop-up menu of the description and notes boxes (right button only). It keeps the
// target rule up to date from the boxes' focus and runs the chosen command on the target.
class RichTextEditMenu : public QMenu
{
    Q_OBJECT

public:
    RichTextEditMenu(RichTextTargetRule& rule, FormatChooser& chooser, Dialogs& dialogs, QWidget* parent = nullptr);

    void setNotesBox(RichTextBox* notes);
    // How to find row n's description box when a command runs.
    void setDescriptionFinder(std::function<RichTextBox*(int row)> finder);
    // A row's description: its right click opens the menu and its focus makes the row current.
    void attachDescription(RichTextBox* description, int row);

    FormattingCommands& commands() { return m_commands; }
    RichTextBox* notesBox() const { return m_notes; }

private:
    void build();
    void buildClipboardItems();
    RichTextBox* targetBox() const;
    QAction* add(QMenu* menu, const char* name, const QString& caption, std::function<void()> run);
    void attachMenu(RichTextBox* box);
    RichTextEditing* find(const RichTextTargetRule::Target& target) const;

    RichTextTargetRule& m_rule;
    FormattingCommands m_commands;
    RichTextBox* m_notes = nullptr;
    std::function<RichTextBox*(int)> m_descriptions;
};
