#include "editor/KeptRowTexts.h"

#include "editor/Document.h"

void KeptRowTexts::clear()
{
    m_productIds.clear();
    m_descriptions.clear();
    m_quantities.clear();
    m_prices.clear();
    m_discounts.clear();
    m_amounts.clear();
}

void KeptRowTexts::keep(const DocumentRow& row)
{
    m_productIds.append(row.productId);
    m_descriptions.append(row.description);
    m_quantities.append(row.qty);
    m_prices.append(row.price);
    m_discounts.append(row.discount);
    m_amounts.append(row.amount);
}

void KeptRowTexts::restoreInto(QList<DocumentRow>& rows) const
{
    for (int j = 0; j < size() && j < rows.size(); ++j) {
        DocumentRow& row = rows[j];
        row.productId = m_productIds[j];
        row.description = m_descriptions[j];
        row.qty = m_quantities[j];
        row.price = m_prices[j];
        row.discount = m_discounts[j];
        row.amount = m_amounts[j];
    }
}
