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

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab moves the focus rather than typing a character.
    if (key->matches(QKeySequence::Paste) || key->text().isEmpty() || key->key() == Qt::Key_Tab
        || key->key() == Qt::Key_Backtab)
        return false;
    return !KeyFilter::accepts(m_kind, key->text().at(0).unicode());
}
