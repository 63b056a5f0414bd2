// The yardstick for a terminal call of zirvanto: starts a QCoreApplication,
// reads one small file (the first argument) and prints its first line.
// Built twice: linked with the same Qt libraries as zirvanto, and with
// QtCore alone.
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s DATEI\n", argv[0]);
        return 2;
    }
    QFile datei(QString::fromLocal8Bit(argv[1]));
    if (!datei.open(QIODevice::ReadOnly)) return 1;
    const QByteArray zeile = datei.readLine();
    std::fwrite(zeile.constData(), 1, std::size_t(zeile.size()), stdout);
    return 0;
}
