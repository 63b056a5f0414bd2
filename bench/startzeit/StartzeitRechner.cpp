// Builds the main window as the program does, over the program folder given
// as first argument, and ends as soon as the window is on screen and painted.
// Prints the window's width and height, so that the bare window of
// startzeit_leer can be given the same size. With STARTZEIT_BLEIBEN set, it
// stays open after that.
#include "app/Sprache.h"
#include "core/Zahlbild.h"
#include "data/Einstellungsdatei.h"
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"
#include "plattform/Programmstart.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    zirvanto::Programmstart start;
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: startzeit_rechner PROGRAMMORDNER\n");
        return 2;
    }
    const QString programmordner = QString::fromLocal8Bit(argv[1]);
    // Without a settings file the window would ask the first-start question
    // and wait for an answer.
    if (!QFileInfo::exists(QDir(programmordner).filePath(zirvanto::Einstellungsdateiname))) {
        std::fprintf(stderr, "Im Programmordner fehlt %s.\n",
                     qPrintable(zirvanto::Einstellungsdateiname));
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Zirvanto"));

    const zirvanto::Uebersetzung sprache(zirvanto::spracheWaehlen(QLocale::system().uiLanguages()));
    start.anwendungDa();

    zirvanto::Globals globals;
    zirvanto::QtPlattform plattform;
    zirvanto::Rechner rechner(globals, plattform, programmordner, zirvanto::anzeigeLocale());
    rechner.show();
    if (!QTest::qWaitForWindowExposed(&rechner)) return 1;
    QApplication::processEvents(); // the first paint
    // Taken here, so that the figure ends with the window shown and leaves
    // out the tearing down.
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%d %d %lld\n", rechner.width(), rechner.height(),
                static_cast<long long>(std::chrono::nanoseconds(jetzt).count()));
    std::fflush(stdout);
    // Kept open for a measurement of its memory.
    if (qEnvironmentVariableIsSet("STARTZEIT_BLEIBEN")) return QApplication::exec();
    std::quick_exit(0);
    return 0;
}
