#pragma once

#include "documents/NameMemory.h"
#include "editor/Document.h"

#include <QLocale>
#include <QObject>

#include <functional>

class Database;
class GridPanel;
class QCompleter;
class QLineEdit;
class QStringListModel;

// Completion of the customer name from stored documents (choosing one fills the address, and the
// ship-to pair when that customer's last document had one, and the buyer's VAT identifier and country
// where those boxes are empty) and of each row's product ID (choosing
// one fills the row's description and price from its most recent use; the quantity stays).
class MemoryCompleters : public QObject
{
    Q_OBJECT

public:
    struct Window
    {
        QLineEdit* customerName = nullptr;
        GridPanel* grid = nullptr;
        std::function<Document()> read;
        std::function<void(const Document&)> showHeader;
        std::function<void(const Document&)> showRows;
    };

    MemoryCompleters(Database& database, const QLocale& locale, Window window, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCompleter* makeCompleter(QStringListModel*& model);
    void attachRows();
    void offer(QLineEdit* edit, QCompleter* completer, QStringListModel* model, const NameMemory& memory,
               const QString& typed);
    void chooseCustomer(const QString& name);
    void chooseProduct(const QString& productId);
    int rowOf(QObject* edit) const;

    Database& m_database;
    QLocale m_locale;
    Window m_window;
    NameMemory m_customers;
    NameMemory m_products;
    QStringListModel* m_customerModel = nullptr;
    QStringListModel* m_productModel = nullptr;
    QCompleter* m_customerCompleter;
    QCompleter* m_productCompleter;
};
