#include "editor/widgets/TypedKeyFilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

void TypedKeyFilter::install(QWidget* field, KeyFilter::Kind kind)
{
    field->installEventFilter(new TypedKeyFilter(kind, field));
}

void TypedKeyFilter::install(QComboBox* field, KeyFilter::Kind kind)
{
    install(static_cast<QWidget*>(field), kind);
    if (field->lineEdit())
        install(static_cast<QWidget*>(field->lineEdit()), kind);
}

bool TypedKeyFilter::isEditingShortcut(const QKeyEvent* key)
{
    for (const QKeySequence::StandardKey shortcut : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                                                     QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
        if (key->matches(shortcut))
            return true;
    }
    return false;
}

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab moves the focus and the editing shortcuts act on the box: neither types a character.
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || isEditingShortcut(key))
        return false;
    return !KeyFilter::accepts(m_kind, key->text().at(0).unicode());
}
