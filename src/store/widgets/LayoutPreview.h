#pragma once

#include <QWidget>

// A small drawing of one letterhead layout with logo: where the logo, the company name and the
// address go on the page top.
class LayoutPreview : public QWidget
{
    Q_OBJECT

public:
    explicit LayoutPreview(int layout, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {150, 72}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawLogo(QPainter& painter, const QRectF& box) const;
    void drawName(QPainter& painter, const QRectF& line) const;
    void drawAddress(QPainter& painter, const QRectF& line, int lines) const;

    int m_layout;
};
