#include "core/widgets/FittingScrollArea.h"

#include <QScrollBar>

FittingScrollArea::FittingScrollArea(QWidget* content, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(content);
    content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

QSize FittingScrollArea::sizeHint() const
{
    return widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QScrollArea::sizeHint();
}

QSize FittingScrollArea::minimumSizeHint() const
{
    // Room for the scroll bars and a little of the page between them.
    const int bar = verticalScrollBar()->sizeHint().width();
    return {bar * 4, bar * 4};
}
