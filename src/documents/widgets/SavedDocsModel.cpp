#include "documents/widgets/SavedDocsModel.h"

#include <algorithm>

SavedDocsModel::SavedDocsModel(QObject* parent) : QAbstractListModel(parent) {}

void SavedDocsModel::setEntries(QStringList entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_shown = int(std::min<qsizetype>(m_entries.size(), PageSize));
    endResetModel();
}

int SavedDocsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant SavedDocsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_entries.at(index.row());
}

bool SavedDocsModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_shown < m_entries.size();
}

void SavedDocsModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = int(std::min<qsizetype>(m_entries.size() - m_shown, PageSize));
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}
