#pragma once

#include "richtext/RichTextTargetRule.h"

#include <QCoreApplication>

#include <functional>

class Dialogs;
class FormatChooser;
class RichTextEditing;

// The commands of the rich-text edit menu and the image button. Each picks its box by the target
// rule and returns false when it fails: no box, a cancelled dialog, a mixed indent, a picture
// without size. A failed command changes nothing and shows nothing.
class FormattingCommands
{
    Q_DECLARE_TR_FUNCTIONS(FormattingCommands)

public:
    using BoxFinder = std::function<RichTextEditing*(const RichTextTargetRule::Target&)>;

    FormattingCommands(const RichTextTargetRule& rule, BoxFinder boxes, FormatChooser& chooser, Dialogs& dialogs);

    static constexpr int IndentStep = 500;
    static QString imageDialogTitle();
    static QString imageDialogFilter();

    bool bold(bool on);        // Bold, Regular
    bool italic(bool on);      // Italic, Normal
    bool underline();          // toggles
    bool strikeout();          // toggles
    bool bullet();             // toggles
    bool align(int alignment);
    bool indent();
    bool removeIndent();
    bool size(int points);
    bool font();
    bool color();
    bool highlight();
    bool removeHighlight();
    bool addAnImage();
    // The image button: always into the notes, which take the focus first.
    bool addImageToNotes(RichTextEditing& notes);

private:
    RichTextEditing* target() const;
    template <typename Change> bool onTarget(Change change) const;
    template <typename Apply> bool withChosenColour(Apply apply);
    std::optional<QString> chooseImageTag();
    static void insertIntoNotes(RichTextEditing& notes, const QString& tag);

    const RichTextTargetRule& m_rule;
    BoxFinder m_boxes;
    FormatChooser& m_chooser;
    Dialogs& m_dialogs;
};
