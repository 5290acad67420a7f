#include "richtext/widgets/RichTextEditMenu.h"

#include "richtext/widgets/RichTextBox.h"

RichTextEditMenu::RichTextEditMenu(RichTextTargetRule& rule, FormatChooser& chooser, Dialogs& dialogs, QWidget* parent)
    : QMenu(parent), m_rule(rule),
      m_commands(rule, [this](const RichTextTargetRule::Target& target) { return find(target); }, chooser, dialogs)
{
    setObjectName(QStringLiteral("mnuEdit"));
    setTitle(tr("Edit"));
    build();
}

void RichTextEditMenu::build()
{
    FormattingCommands& c = m_commands;
    add(this, "mnuAddAnImage", tr("Add An Image"), [&c] { c.addAnImage(); });
    QMenu* sizes = addMenu(tr("Size"));
    sizes->setObjectName(QStringLiteral("mnusize"));
    for (int points = 6; points <= 24; ++points) {
        const QByteArray name = "mnusize" + QByteArray::number(points);
        add(sizes, name.constData(), tr("%1 pt").arg(points), [&c, points] { c.size(points); });
    }
    add(this, "mnubold", tr("Bold"), [&c] { c.bold(true); });
    add(this, "mnuregular", tr("Regular"), [&c] { c.bold(false); });
    add(this, "mnuitalic", tr("Italic"), [&c] { c.italic(true); });
    add(this, "mnunormal", tr("Normal"), [&c] { c.italic(false); });
    add(this, "mnuFont", tr("Font"), [&c] { c.font(); });
    add(this, "mnucolor", tr("Color"), [&c] { c.color(); });
    add(this, "mnuBackColor", tr("Highlight"), [&c] { c.highlight(); });
    add(this, "mnuRemBackColor", tr("Remove Highlight"), [&c] { c.removeHighlight(); });
    add(this, "mnuRight", tr("Right Align"), [&c] { c.align(RichParagraphFormat::Right); });
    add(this, "mnucenter", tr("Centered"), [&c] { c.align(RichParagraphFormat::Center); });
    add(this, "mnuleft", tr("Left Align"), [&c] { c.align(RichParagraphFormat::Left); });
    add(this, "mnustrike", tr("Strikeout"), [&c] { c.strikeout(); });
    add(this, "mnuunderline", tr("Underline"), [&c] { c.underline(); });
    add(this, "mnubullet", tr("Bullet"), [&c] { c.bullet(); });
    add(this, "mnuIndent", tr("Indent"), [&c] { c.indent(); });
    add(this, "mnuRemoveIndent", tr("Remove Indent"), [&c] { c.removeIndent(); });
}

QAction* RichTextEditMenu::add(QMenu* menu, const char* name, const QString& caption, std::function<void()> run)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

void RichTextEditMenu::setNotesBox(RichTextBox* notes)
{
    m_notes = notes;
    attachMenu(notes);
    connect(notes, &RichTextBox::focusReceived, this, [this] { m_rule.notesFocusReceived(); });
    connect(notes, &RichTextBox::focusLost, this, [this] { m_rule.notesFocusLost(); });
}

void RichTextEditMenu::setDescriptionFinder(std::function<RichTextBox*(int)> finder)
{
    m_descriptions = std::move(finder);
}

void RichTextEditMenu::attachDescription(RichTextBox* description, int row)
{
    attachMenu(description);
    connect(description, &RichTextBox::focusReceived, this, [this, row] { m_rule.rowFocused(row); });
}

void RichTextEditMenu::attachMenu(RichTextBox* box)
{
    connect(box, &RichTextBox::editMenuRequested, this, [this](const QPoint& at) { popup(at); });
}

RichTextEditing* RichTextEditMenu::find(const RichTextTargetRule::Target& target) const
{
    if (target.kind == RichTextTargetRule::Target::Notes)
        return m_notes;
    if (target.kind == RichTextTargetRule::Target::Description && m_descriptions)
        return m_descriptions(target.row);
    return nullptr;
}
