// The yardsticks for startzeit_rechner: a bare main window of the given size
// (width and height as arguments), shown, painted and closed the same way.
// With "--text" the window also shows one line of text, so that it pays
// Qt's one-time font set-up as every window with text does; with "--menue"
// it has instead a menu bar with the main window's three menus. With
// STARTZEIT_BLEIBEN set, it stays open after that.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool mitText = argc == 4 && std::strcmp(argv[3], "--text") == 0;
    const bool mitMenue = argc == 4 && std::strcmp(argv[3], "--menue") == 0;
    if (argc != 3 && !mitText && !mitMenue) {
        std::fprintf(stderr, "Aufruf: startzeit_leer BREITE HOEHE [--text | --menue]\n");
        return 2;
    }
    QMainWindow fenster;
    fenster.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (mitText) fenster.setCentralWidget(new QLabel(QStringLiteral("1 EUR = 13,7603 ATS")));
    if (mitMenue) {
        for (const char* menue : {"&Bearbeiten", "&Optionen", "&?"})
            fenster.menuBar()->addMenu(QString::fromLatin1(menue));
    }
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) return 1;
    QApplication::processEvents(); // the first paint
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(jetzt).count()));
    std::fflush(stdout);
    // Kept open for a measurement of its memory.
    if (qEnvironmentVariableIsSet("STARTZEIT_BLEIBEN")) return QApplication::exec();
    std::quick_exit(0);
}
