#include "app/widgets/PageColours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

void fill(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

PageColours::PageColours(QWidget* outer, QWidget* inner, const QList<QWidget*>& panels, QObject* parent)
    : QObject(parent), m_outer(outer), m_inner(inner)
{
    for (QWidget* panel : panels)
        m_panels.append(panel);
    apply();
    outer->installEventFilter(this);
}

void PageColours::apply()
{
    const QColor window = QApplication::palette().color(QPalette::Window);
    if (window == m_appliedWindow)
        return;
    m_appliedWindow = window;
    for (QWidget* page : {m_outer.data(), m_inner.data()}) {
        if (page)
            fill(page, pageBackground());
    }
    for (const QPointer<QWidget>& panel : m_panels) {
        if (panel)
            fill(panel, window);
    }
}

bool PageColours::eventFilter(QObject* watched, QEvent* event)
{
    // Setting the panels' colours changes palettes too; apply() returns at once then.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange)
        apply();
    return QObject::eventFilter(watched, event);
}
