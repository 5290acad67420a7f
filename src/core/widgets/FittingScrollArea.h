#pragma once

#include <QScrollArea>

// A page that asks for its whole content's size and scrolls only when its owner gives it less, as on
// a small screen. It draws nothing of its own: the surface it sits on shows through.
class FittingScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit FittingScrollArea(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
