#include "richtext/FormattingCommands.h"

#include "app/Dialogs.h"
#include "richtext/FormatChooser.h"
#include "richtext/ImageTag.h"
#include "richtext/RichTextEditing.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

FormattingCommands::FormattingCommands(const RichTextTargetRule& rule, BoxFinder boxes, FormatChooser& chooser,
                                       Dialogs& dialogs)
    : m_rule(rule), m_boxes(std::move(boxes)), m_chooser(chooser), m_dialogs(dialogs)
{
}

QString FormattingCommands::imageDialogTitle()
{
    return tr("Please select the image file");
}

QString FormattingCommands::imageDialogFilter()
{
    return tr("Image Files (*.jpg)|*.jpg");
}

RichTextEditing* FormattingCommands::target() const
{
    const auto which = m_rule.target();
    if (which.kind == RichTextTargetRule::Target::None || !m_boxes)
        return nullptr;
    return m_boxes(which);
}

bool FormattingCommands::bold(bool on)
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionBold(on);
    return box;
}

bool FormattingCommands::italic(bool on)
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionItalic(on);
    return box;
}

bool FormattingCommands::underline()
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionUnderline(box->selectionUnderline() != TriState::On);
    return box;
}

bool FormattingCommands::strikeout()
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionStrikeout(box->selectionStrikeout() != TriState::On);
    return box;
}

bool FormattingCommands::bullet()
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionBullet(box->selectionBullet() != TriState::On);
    return box;
}

bool FormattingCommands::align(int alignment)
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionAlignment(alignment);
    return box;
}

bool FormattingCommands::indent()
{
    RichTextEditing* box = target();
    if (!box)
        return false;
    const std::optional<int> current = box->selectionIndent();
    if (!current)
        return false;  // paragraphs with different indents give no value to add to
    box->setSelectionIndent(*current + IndentStep);
    return true;
}

bool FormattingCommands::removeIndent()
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionIndent(0);
    return box;
}

bool FormattingCommands::size(int points)
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionFontSize(points);
    return box;
}

bool FormattingCommands::font()
{
    RichTextEditing* box = target();
    if (!box)
        return false;
    const auto choice = m_chooser.chooseFont();
    if (!choice)
        return false;
    box->setSelectionFontName(choice->name);
    box->setSelectionFontSize(choice->points);
    box->setSelectionItalic(choice->italic);
    box->setSelectionBold(choice->bold);
    return true;
}

bool FormattingCommands::color()
{
    RichTextEditing* box = target();
    if (!box)
        return false;
    const auto colour = m_chooser.chooseColor();
    if (!colour)
        return false;
    box->setSelectionColor(*colour);
    return true;
}

bool FormattingCommands::highlight()
{
    RichTextEditing* box = target();
    if (!box)
        return false;
    const auto colour = m_chooser.chooseColor();
    if (!colour)
        return false;
    box->setSelectionBackground(*colour);
    return true;
}

bool FormattingCommands::removeHighlight()
{
    RichTextEditing* box = target();
    if (box)
        box->setSelectionBackground(std::nullopt);
    return box;
}

bool FormattingCommands::addAnImage()
{
    RichTextEditing* box = target();
    if (!box)
        return false;
    const auto tag = chooseImageTag();
    if (!tag)
        return false;
    if (m_rule.target().kind == RichTextTargetRule::Target::Notes) {
        insertIntoNotes(*box, *tag);
        return true;
    }
    // A description keeps its selected text; the picture follows on a line of its own.
    box->takeFocus();
    const QString selected = box->selectedText();
    box->replaceSelection(selected + kCrLf + *tag + kCrLf);
    return true;
}

bool FormattingCommands::addImageToNotes(RichTextEditing& notes)
{
    notes.takeFocus();
    const auto tag = chooseImageTag();
    if (!tag)
        return false;
    insertIntoNotes(notes, *tag);
    return true;
}

std::optional<QString> FormattingCommands::chooseImageTag()
{
    const QString path = m_dialogs.chooseOpenFile(imageDialogTitle(), imageDialogFilter());
    if (path.isEmpty())
        return std::nullopt;
    return ImageTag::forFile(path);
}

void FormattingCommands::insertIntoNotes(RichTextEditing& notes, const QString& tag)
{
    notes.takeFocus();
    notes.replaceSelection(kCrLf + tag);
}
