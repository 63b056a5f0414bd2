#include "app/Ordnerwahl.h"
#include "app/Sprache.h"
#include "app/Terminal.h"
#include "core/Zahlbild.h"
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"
#include "plattform/Programmstart.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    // Arguments other than Qt's own window options ask for the terminal,
    // which must not create anything of the GUI.
    if (zirvanto::terminalaufruf(argc, argv)) return zirvanto::terminal(argc, argv);

    zirvanto::Programmstart start;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zirvanto"));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZIRVANTO_ANWENDUNGS_ID));
    const zirvanto::Uebersetzung sprache(zirvanto::spracheWaehlen(QLocale::system().uiLanguages()));
    start.anwendungDa();

    zirvanto::QtPlattform plattform;
    const zirvanto::Ordnerwahl ordner = zirvanto::ordnerBestimmen(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!ordner.fehler.isEmpty()) plattform.meldung(nullptr, ordner.fehler);

    zirvanto::Globals globals;
    zirvanto::Rechner rechner(globals, plattform, ordner.programmordner, zirvanto::anzeigeLocale(),
                              ordner.weitereBildordner);
    rechner.show();
    return QApplication::exec();
}
