#pragma once

#include <QList>
#include <QStringList>

struct DocumentRow;

// The six carried texts of the old rows while the grid is rebuilt, one entry per old row in row
// order. Lists rather than tab-joined strings, so descriptions holding tabs come back unchanged.
class KeptRowTexts
{
public:
    void clear();
    void keep(const DocumentRow& row);
    // Puts entry j into rows[j] for every kept row that still exists; older rows are dropped.
    void restoreInto(QList<DocumentRow>& rows) const;
    int size() const { return int(m_productIds.size()); }

private:
    QStringList m_productIds;
    QStringList m_descriptions;
    QStringList m_quantities;
    QStringList m_prices;
    QStringList m_discounts;
    QStringList m_amounts;
};
