#pragma once

#include <QWidget>

struct Document;

// Charges, subtotal, tax, total, paid and balance, with the document's option boxes.
class TotalsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TotalsPanel(QWidget* parent = nullptr);

    void readInto(Document& document) const;
    void showFrom(const Document& document);
};
