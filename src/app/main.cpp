#include "core/Zahlbild.h"
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zirvanto"));

    // Qt's own dialogs speak German too ("Ja", "Nein", "Abbrechen").
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    zirvanto::Globals globals;
    zirvanto::QtPlattform plattform;
    zirvanto::Rechner rechner(globals, plattform, QApplication::applicationDirPath(),
                              zirvanto::anzeigeLocale());
    rechner.show();
    return QApplication::exec();
}
