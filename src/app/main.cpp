#include "core/Zahlbild.h"
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"
#include "plattform/Programmstart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zirvanto"));
    zirvanto::Programmstart start;

    zirvanto::Globals globals;
    zirvanto::QtPlattform plattform;
    zirvanto::Rechner rechner(globals, plattform, QApplication::applicationDirPath(),
                              zirvanto::anzeigeLocale());
    rechner.show();
    return QApplication::exec();
}
