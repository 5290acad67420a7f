// The baseline the start-up figures are compared with: a bare Qt Widgets program showing a
// 65-row table.
#include <QApplication>
#include <QTableWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTableWidget table(65, 7);
    for (int row = 0; row < 65; ++row)
        table.setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
    table.setWindowTitle(QStringLiteral("Tallywick"));
    table.show();
    return app.exec();
}
