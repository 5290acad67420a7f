// The baseline of the command line's fixed cost: a bare Qt program that prints one line.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << QStringLiteral("minimal 1.0\n");
    return 0;
}
