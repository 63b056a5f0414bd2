// Draws the main window offscreen into a PNG file, to look at the layout
// without a display. Usage: bildschirmfoto <PNG file> <program folder> [breit]
// Questions are answered "Nein" and messages go to the error output, so it
// never waits for anyone.
#include "data/Globals.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"

#include <QApplication>
#include <QDialog>

#include <cstdio>

namespace {
class OhneNachfrage : public zirvanto::Plattform {
public:
    void meldung(QWidget*, const QString& text, const QString&) override {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
    }
    bool frage(QWidget*, const QString&, const QString&) override { return false; }
    void piep() override {}
    bool browserOeffnen(const QUrl&) override { return false; }
    int modalZeigen(QDialog&) override { return QDialog::Rejected; }
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: bildschirmfoto <PNG-Datei> <Programmordner> [breit]\n");
        return 2;
    }
    zirvanto::Globals globals;
    OhneNachfrage plattform;
    zirvanto::Rechner rechner(globals, plattform, QString::fromLocal8Bit(argv[2]),
                              QLocale(QLocale::German, QLocale::Austria));
    if (argc > 3) rechner.AufZu_Click();
    rechner.show();
    QApplication::processEvents();
    return rechner.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
