#include "documents/widgets/MemoryCompleters.h"

#include "documents/LastUse.h"
#include "editor/widgets/GridPanel.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

MemoryCompleters::MemoryCompleters(Database& database, const QLocale& locale, Window window, QObject* parent)
    : QObject(parent),
      m_database(database),
      m_locale(locale),
      m_window(std::move(window)),
      m_customers(database, NameMemory::Kind::Customers),
      m_products(database, NameMemory::Kind::Products),
      m_customerCompleter(makeCompleter(m_customerModel)),
      m_productCompleter(makeCompleter(m_productModel))
{
    m_customerCompleter->popup()->setObjectName(QStringLiteral("lstCustomerMemory"));
    m_productCompleter->popup()->setObjectName(QStringLiteral("lstProductMemory"));
    QLineEdit* name = m_window.customerName;
    m_customerCompleter->setWidget(name);
    name->installEventFilter(this);
    connect(name, &QLineEdit::textEdited, this, [this, name](const QString& typed) {
        offer(name, m_customerCompleter, m_customerModel, m_customers, typed);
    });
    connect(m_customerCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            &MemoryCompleters::chooseCustomer);
    connect(m_productCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            &MemoryCompleters::chooseProduct);
    connect(m_window.grid, &GridPanel::rowsRebuilt, this, &MemoryCompleters::attachRows);
    attachRows();
}

QCompleter* MemoryCompleters::makeCompleter(QStringListModel*& model)
{
    model = new QStringListModel(this);
    auto* completer = new QCompleter(model, this);
    // The list is already filtered and ordered (most recent first) by the memory.
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setMaxVisibleItems(10);
    return completer;
}

void MemoryCompleters::attachRows()
{
    for (int row = 1; row <= m_window.grid->rowCount(); ++row) {
        QLineEdit* edit = m_window.grid->productId(row);
        if (!edit || edit->property("memoryAttached").toBool())
            continue;
        edit->setProperty("memoryAttached", true);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& typed) {
            offer(edit, m_productCompleter, m_productModel, m_products, typed);
        });
    }
}

void MemoryCompleters::offer(QLineEdit* edit, QCompleter* completer, QStringListModel* model,
                             const NameMemory& memory, const QString& typed)
{
    const QStringList found = typed.trimmed().isEmpty() ? QStringList() : memory.matching(typed);
    model->setStringList(found);
    if (found.isEmpty()) {
        completer->popup()->hide();
        return;
    }
    completer->setWidget(edit);
    completer->complete();
}

bool MemoryCompleters::eventFilter(QObject* watched, QEvent* event)
{
    const bool customer = watched == m_window.customerName;
    QCompleter* completer = customer ? m_customerCompleter : m_productCompleter;
    if (event->type() == QEvent::FocusIn) {
        // Checked on entering the box: documents saved or deleted since then count at once.
        (customer ? m_customers : m_products).refresh();
    } else if (event->type() == QEvent::KeyPress && completer->popup()->isVisible()
               && completer->widget() == watched) {
        // The list takes the keys that move in it, choose or close, as it does under a real keyboard.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            QCoreApplication::sendEvent(completer->popup(), event);
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MemoryCompleters::chooseCustomer(const QString& name)
{
    Document document = m_window.read();
    document.billToName = name;
    if (const std::optional<LastUse::Customer> last = LastUse::customer(m_database, name)) {
        document.billToAddress = last->address;
        if (last->hasShipTo()) {
            document.shipToTerm = last->shipToTerm;
            document.shipToName = last->shipToName;
            document.shipToAddress = last->shipToAddress;
        }
        // The buyer's identifiers seldom change; what the person already typed here stays.
        if (document.einvoice.buyerVatId.trimmed().isEmpty())
            document.einvoice.buyerVatId = last->buyerVatId;
        if (document.einvoice.buyerCountry.trimmed().isEmpty())
            document.einvoice.buyerCountry = last->buyerCountry;
    }
    m_window.showHeader(document);
}

int MemoryCompleters::rowOf(QObject* edit) const
{
    for (int row = 1; row <= m_window.grid->rowCount(); ++row) {
        if (m_window.grid->productId(row) == edit)
            return row;
    }
    return 0;
}

void MemoryCompleters::chooseProduct(const QString& productId)
{
    const int row = rowOf(m_productCompleter->widget());
    if (row == 0)
        return;
    Document document = m_window.read();
    if (row > document.rowCount())
        return;
    DocumentRow& target = document.rows[row - 1];
    target.productId = productId;
    if (const std::optional<LastUse::Product> last = LastUse::product(m_database, productId, m_locale)) {
        target.description = last->description;
        target.price = last->price;
    }
    m_window.showRows(document);
}
