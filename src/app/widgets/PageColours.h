#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// The page behind the document is the product's teal; the panels on it keep the desktop's own
// window colour, light or dark, so that every label and box on them stays readable. The panels
// follow the desktop when its palette changes while the program runs.
class PageColours : public QObject
{
    Q_OBJECT

public:
    static QColor pageBackground() { return QColor(32, 100, 115); }

    // outer and inner are the scrolling page (PicOuter, PicInner); panels sit on it.
    PageColours(QWidget* outer, QWidget* inner, const QList<QWidget*>& panels, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QPointer<QWidget> m_outer;
    QPointer<QWidget> m_inner;
    QList<QPointer<QWidget>> m_panels;
    QColor m_appliedWindow;
};
