#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The saved-document list's entries for the box: rows are handed to the view a page at a time as it
// scrolls, so a long list costs nothing to show until it is opened.
class SavedDocsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 512;

    explicit SavedDocsModel(QObject* parent = nullptr);

    void setEntries(QStringList entries);
    const QStringList& entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    QStringList m_entries;
    int m_shown = 0;
};
