#pragma once

#include <QWidget>

struct Document;

// The line-item grid: rows 1..CurrentRows with their move arrows.
class GridPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GridPanel(QWidget* parent = nullptr);

    void readInto(Document& document) const;
    void showFrom(const Document& document);
    // Rows on screen (CurrentRows); 0 before the first "Create Rows".
    int rowCount() const;
};
