// The other baseline of the command line's fixed cost: a bare Qt Widgets program that makes its
// application object (on the offscreen platform) and prints one line.
#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream(stdout) << QStringLiteral("minimal 1.0\n");
    return 0;
}
