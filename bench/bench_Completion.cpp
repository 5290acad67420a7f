// Customer and product completion on a database of 100,000 documents (2 rows each, 20,000
// customers, 5,000 products): reading the names on entering the box, the list after a key press,
// and the look-up of a chosen customer.
#include "documents/LastUse.h"
#include "documents/NameMemory.h"
#include "documents/widgets/MemoryCompleters.h"
#include "editor/Document.h"
#include "editor/widgets/GridPanel.h"
#include "store/Database.h"

#include "BenchDatabase.h"
#include "BenchMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

const QLocale kLocale(QLocale::English, QLocale::UnitedStates);
constexpr int kDocuments = 100000;

Document makeDocument(int number)
{
    Document doc;
    doc.docNumber = QStringLiteral("INV-%1").arg(number, 6, 10, QLatin1Char('0'));
    doc.docDate = QDate(2020, 1, 1).addDays(number % 1500);
    doc.billToName = QStringLiteral("Customer %1 Trading").arg(number % 20000);
    doc.billToAddress = QStringLiteral("%1 Quay Street\r\nCork").arg(number % 97);
    doc.paid = QStringLiteral("0.00");
    doc.total = QStringLiteral("20.00");
    for (int i = 0; i < 2; ++i) {
        DocumentRow row;
        row.serial = QString::number(i + 1);
        row.productId = QStringLiteral("P-%1").arg((number * 2 + i) % 5000);
        row.description = QStringLiteral("{\\rtf1 Widget %1}").arg(i);
        row.qty = QStringLiteral("2");
        row.price = QStringLiteral("5.00");
        row.amount = QStringLiteral("10.00");
        doc.rows.append(row);
    }
    return doc;
}

// One database for every benchmark of this run.
struct Fixture
{
    BenchDatabase data{kDocuments, makeDocument};
    Database& db = data.db();

    static Fixture& instance()
    {
        static Fixture fixture;
        return fixture;
    }
};

void BM_LoadCustomerNames(benchmark::State& state)
{
    NameMemory memory(Fixture::instance().db, NameMemory::Kind::Customers);
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.load());
    state.counters["names"] = double(memory.names().size());
}
BENCHMARK(BM_LoadCustomerNames)->Unit(benchmark::kMillisecond);

void BM_LoadProductIds(benchmark::State& state)
{
    NameMemory memory(Fixture::instance().db, NameMemory::Kind::Products);
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.load());
    state.counters["names"] = double(memory.names().size());
}
BENCHMARK(BM_LoadProductIds)->Unit(benchmark::kMillisecond);

// Entering the box again with nothing saved in between: only the check.
void BM_RefreshUnchanged(benchmark::State& state)
{
    NameMemory memory(Fixture::instance().db, NameMemory::Kind::Customers);
    memory.refresh();
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.refresh());
}
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMillisecond);

// The text typed so far: a common one (the list fills at once) and a rare one (every name is looked at).
void BM_MatchCustomers(benchmark::State& state)
{
    NameMemory memory(Fixture::instance().db, NameMemory::Kind::Customers);
    memory.load();
    const QString typed = state.range(0) ? QStringLiteral("mer 1999") : QStringLiteral("cus");
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.matching(typed).size());
}
BENCHMARK(BM_MatchCustomers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A key press in the customer box until its list is shown (the names already read on entering it).
void BM_KeyPressToList(benchmark::State& state)
{
    Fixture& f = Fixture::instance();
    QLineEdit name;
    GridPanel grid;
    MemoryCompleters completers(f.db, kLocale,
                                {&name, &grid, [] { return Document(); }, [](const Document&) {},
                                 [](const Document&) {}});
    name.show();
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(&name, &focusIn);
    int i = 0;
    for (auto _ : state) {
        name.setText(QStringLiteral("Customer 19"));
        const QChar key = QLatin1Char(char('0' + (i++ % 10)));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (key.unicode() - '0'), Qt::NoModifier, QString(key));
        QApplication::sendEvent(&name, &press);
        benchmark::DoNotOptimize(name.text().size());
    }
    state.counters["listShown"] = QApplication::activePopupWidget() != nullptr ? 1 : 0;
}
BENCHMARK(BM_KeyPressToList)->Unit(benchmark::kMillisecond);

void BM_LastUseOfCustomer(benchmark::State& state)
{
    Fixture& f = Fixture::instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(LastUse::customer(f.db, QStringLiteral("Customer 12345 Trading")).has_value());
}
BENCHMARK(BM_LastUseOfCustomer)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
