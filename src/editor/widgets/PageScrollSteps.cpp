#include "editor/widgets/PageScrollSteps.h"

#include "editor/widgets/Twips.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

int PageScrollSteps::singleStep()
{
    return Twips::toPixels(250);
}

int PageScrollSteps::pageStep()
{
    return Twips::toPixels(2500);
}

PageScrollSteps::PageScrollSteps(QScrollArea* page) : QObject(page), m_bar(page->verticalScrollBar()), m_barObject(page->verticalScrollBar())
{
}

void PageScrollSteps::apply(QScrollArea* page)
{
    auto* steps = new PageScrollSteps(page);
    page->installEventFilter(steps);
    page->viewport()->installEventFilter(steps);
    page->verticalScrollBar()->installEventFilter(steps);
    if (page->widget())
        page->widget()->installEventFilter(steps);
    connect(page->verticalScrollBar(), &QScrollBar::rangeChanged, steps, &PageScrollSteps::setStepsLater);
    steps->setSteps();
}

void PageScrollSteps::setSteps()
{
    if (!m_bar)
        return;
    m_bar->setSingleStep(singleStep());
    m_bar->setPageStep(pageStep());
}

// The scroll area sets its own steps whenever the page or the view changes size; ours follow.
void PageScrollSteps::setStepsLater()
{
    QTimer::singleShot(0, this, &PageScrollSteps::setSteps);
}

bool PageScrollSteps::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
        setStepsLater();
    // Before the bar is drawn (and so before the user can use it) the steps are ours again.
    if (watched == m_barObject && event->type() == QEvent::Paint)
        setSteps();
    return QObject::eventFilter(watched, event);
}
