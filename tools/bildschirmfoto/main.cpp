// Draws the main window offscreen into a PNG file, to look at the layout
// without a display. Usage: bildschirmfoto <PNG file> <program folder> [breit]
// "wechselkurse" draws the rate list window instead, "waehrung" its edit
// dialog with a long name.
// Questions are answered "Nein" and messages go to the error output, so it
// never waits for anyone.
#include "data/Globals.h"
#include "editor/CurrencyEdit.h"
#include "editor/Wechselkurse.h"
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
        std::fprintf(stderr, "Aufruf: bildschirmfoto <PNG-Datei> <Programmordner> "
                             "[breit|wechselkurse|waehrung]\n");
        return 2;
    }
    zirvanto::Globals globals;
    OhneNachfrage plattform;
    zirvanto::Rechner rechner(globals, plattform, QString::fromLocal8Bit(argv[2]),
                              QLocale(QLocale::German, QLocale::Austria));
    const QString art = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString& titel = globals.einstellungen.Texte[1];
    const auto foto = [&](QWidget& w) {
        w.show();
        QApplication::processEvents();
        return w.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    };
    if (art == QLatin1String("wechselkurse")) {
        zirvanto::Wechselkurse fenster(globals.Waehrungen, plattform, rechner.rechenwerk().locale(),
                                       titel);
        return foto(fenster);
    }
    if (art == QLatin1String("waehrung")) {
        zirvanto::CurrencyEdit dialog(plattform, titel);
        dialog.werteSetzen(QStringLiteral("XDR"),
                           QStringLiteral("Sonderziehungsrechte des Internationalen Währungsfonds"),
                           QStringLiteral("0,833333333333333"));
        return foto(dialog);
    }
    if (argc > 3) rechner.AufZu_Click();
    rechner.show();
    QApplication::processEvents();
    return rechner.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
