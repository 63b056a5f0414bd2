// Builds the main window as the program does, over the program folder given
// as first argument, and ends as soon as the window is on screen and painted.
// Prints the window's width and height, so that the bare window of
// startzeit_leer can be given the same size.
#include "core/Zahlbild.h"
#include "data/Einstellungsdatei.h"
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv) {
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

    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    zirvanto::Globals globals;
    zirvanto::QtPlattform plattform;
    zirvanto::Rechner rechner(globals, plattform, programmordner, zirvanto::anzeigeLocale());
    rechner.show();
    if (!QTest::qWaitForWindowExposed(&rechner)) return 1;
    QApplication::processEvents(); // the first paint
    std::printf("%d %d\n", rechner.width(), rechner.height());
    return 0;
}
