#pragma once

#include <QObject>
#include <QPointer>
#include <QScrollBar>

class QScrollArea;

// The editor page scrolls in steps of 250 twips and pages of 2500 twips, whatever its height.
class PageScrollSteps : public QObject
{
    Q_OBJECT

public:
    static void apply(QScrollArea* page);
    static int singleStep();
    static int pageStep();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PageScrollSteps(QScrollArea* page);
    void setSteps();
    void setStepsLater();

    // The bar alone is kept: while the page is being destroyed its events still arrive here.
    QPointer<QScrollBar> m_bar;
    // Compared by address only: an event may name the bar while it is half destroyed.
    const QObject* m_barObject;
};
