#include "richtext/FormattingCommands.h"

#include "core/Dialogs.h"
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

// Most commands change the target box in one step and only fail when there is no box.
template <typename Change> bool FormattingCommands::onTarget(Change change) const
{
    RichTextEditing* box = target();
    if (box)
        change(*box);
    return box;
}

template <typename Apply> bool FormattingCommands::withChosenColour(Apply apply)
{
    RichTextEditing* box = target();
    if (!box)
        return false;
    const auto colour = m_chooser.chooseColor();
    if (!colour)
        return false;
    apply(*box, *colour);
    return true;
}

bool FormattingCommands::bold(bool on)
{
    return onTarget([on](RichTextEditing& box) { box.setSelectionBold(on); });
}

bool FormattingCommands::italic(bool on)
{
    return onTarget([on](RichTextEditing& box) { box.setSelectionItalic(on); });
}

bool FormattingCommands::underline()
{
    return onTarget(
        [](RichTextEditing& box) { box.setSelectionUnderline(box.selectionUnderline() != TriState::On); });
}

bool FormattingCommands::strikeout()
{
    return onTarget(
        [](RichTextEditing& box) { box.setSelectionStrikeout(box.selectionStrikeout() != TriState::On); });
}

bool FormattingCommands::bullet()
{
    return onTarget(
        [](RichTextEditing& box) { box.setSelectionBullet(box.selectionBullet() != TriState::On); });
}

bool FormattingCommands::align(int alignment)
{
    return onTarget([alignment](RichTextEditing& box) { box.setSelectionAlignment(alignment); });
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
    return onTarget([](RichTextEditing& box) { box.setSelectionIndent(0); });
}

bool FormattingCommands::size(int points)
{
    return onTarget([points](RichTextEditing& box) { box.setSelectionFontSize(points); });
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
    return withChosenColour([](RichTextEditing& box, const auto& colour) { box.setSelectionColor(colour); });
}

bool FormattingCommands::highlight()
{
    return withChosenColour(
        [](RichTextEditing& box, const auto& colour) { box.setSelectionBackground(colour); });
}

bool FormattingCommands::removeHighlight()
{
    return onTarget([](RichTextEditing& box) { box.setSelectionBackground(std::nullopt); });
}

bool FormattingCommands::addAnImage()
{
    // The target is the one the menu was opened for: the file dialog takes the focus from the notes.
    const RichTextTargetRule::Target which = m_rule.target();
    RichTextEditing* box = target();
    if (!box)
        return false;
    const auto tag = chooseImageTag();
    if (!tag)
        return false;
    if (which.kind == RichTextTargetRule::Target::Notes) {
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
