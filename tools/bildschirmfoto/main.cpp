// Draws the main window offscreen into a PNG file, to look at the layout
// without a display. Usage: bildschirmfoto <PNG file> [breit]
#include "core/Zahlbild.h"
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: bildschirmfoto <PNG-Datei> [breit]\n");
        return 2;
    }
    zirvanto::Globals globals;
    zirvanto::QtPlattform plattform;
    zirvanto::Rechner rechner(globals, plattform, QApplication::applicationDirPath(),
                              QLocale(QLocale::German, QLocale::Austria));
    if (argc > 2) rechner.AufZu_Click();
    rechner.show();
    QApplication::processEvents();
    return rechner.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
