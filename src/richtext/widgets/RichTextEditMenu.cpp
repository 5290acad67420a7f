#include "richtext/widgets/RichTextEditMenu.h"

#include "core/ShortcutHint.h"
#include "richtext/widgets/RichTextBox.h"

#include <QAction>

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
    addSeparator();
    QMenu* sizes = addMenu(tr("Size"));
    sizes->setObjectName(QStringLiteral("mnusize"));
    for (int points = 6; points <= 24; ++points) {
        const QByteArray name = "mnusize" + QByteArray::number(points);
        add(sizes, name.constData(), tr("%1 pt").arg(points), [&c, points] { c.size(points); });
    }
    addSeparator();
    add(this, "mnubold", tr("Bold"), [&c] { c.bold(true); });
    add(this, "mnuregular", tr("Regular"), [&c] { c.bold(false); });
    add(this, "mnuitalic", tr("Italic"), [&c] { c.italic(true); });
    add(this, "mnunormal", tr("Normal"), [&c] { c.italic(false); });
    addSeparator();
    add(this, "mnuFont", tr("Font"), [&c] { c.font(); });
    add(this, "mnucolor", tr("Color"), [&c] { c.color(); });
    add(this, "mnuBackColor", tr("Highlight"), [&c] { c.highlight(); });
    add(this, "mnuRemBackColor", tr("Remove Highlight"), [&c] { c.removeHighlight(); });
    addSeparator();
    add(this, "mnuRight", tr("Right Align"), [&c] { c.align(RichParagraphFormat::Right); });
    add(this, "mnucenter", tr("Centered"), [&c] { c.align(RichParagraphFormat::Center); });
    add(this, "mnuleft", tr("Left Align"), [&c] { c.align(RichParagraphFormat::Left); });
    addSeparator();
    add(this, "mnustrike", tr("Strikeout"), [&c] { c.strikeout(); });
    add(this, "mnuunderline", tr("Underline"), [&c] { c.underline(); });
    addSeparator();
    add(this, "mnubullet", tr("Bullet"), [&c] { c.bullet(); });
    add(this, "mnuIndent", tr("Indent"), [&c] { c.indent(); });
    add(this, "mnuRemoveIndent", tr("Remove Indent"), [&c] { c.removeIndent(); });
    addSeparator();
    buildClipboardItems();
}

// The usual clipboard items, on the box the commands go to.
void RichTextEditMenu::buildClipboardItems()
{
    const struct
    {
        const char* name;
        const char* caption;
        QKeySequence::StandardKey keys;
        void (QTextEdit::*run)();
    } items[] = {
        {"mnuCut", QT_TR_NOOP("Cut"), QKeySequence::Cut, &QTextEdit::cut},
        {"mnuCopy", QT_TR_NOOP("Copy"), QKeySequence::Copy, &QTextEdit::copy},
        {"mnuPaste", QT_TR_NOOP("Paste"), QKeySequence::Paste, &QTextEdit::paste},
        {"mnuSelectAll", QT_TR_NOOP("Select All"), QKeySequence::SelectAll, &QTextEdit::selectAll},
    };
    for (const auto& item : items) {
        QAction* action = addAction(tr(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        // The keys are the box's own; the menu only shows them.
        ShortcutHint::apply(action, QKeySequence(item.keys));
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [this, run = item.run] {
            if (RichTextBox* box = targetBox())
                (box->*run)();
        });
    }
}

RichTextBox* RichTextEditMenu::targetBox() const
{
    return dynamic_cast<RichTextBox*>(find(m_rule.target()));
}

QAction* RichTextEditMenu::add(QMenu* menu, const char* name, const QString& caption, std::function<void()> run)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        run();
        // The new formatting shows at once instead of under the selection's highlight.
        if (RichTextBox* box = targetBox())
            box->hideSelectionHighlight();
    });
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
