// Draws the main window offscreen into a PNG file, to look at the layout
// without a display. Usage: bildschirmfoto <PNG file> <program folder>
// [breit | wechselkurse | waehrung | Status | Options | HilfeDialog |
// Download | Stichtag | Datum]: "wechselkurse" draws the rate list window,
// "waehrung" its edit dialog with a long name, "Status", "Options" and
// "HilfeDialog" draw that window, each with the longest texts it can show,
// "Download" the status window with its progress bar, "Stichtag" the date
// dialog and "Datum" the main window at the rates of 17 January 2015 (a
// Saturday), both from the kurshistorie.sqlite of the program folder.
// Questions are answered "Nein" and messages go to the error output, so it
// never waits for anyone. It speaks the language the program would choose
// (LANGUAGE=en or LANGUAGE=it, German otherwise), with that language's
// number and date formats.
#include "app/Sprache.h"
#include "data/Einstellungsdatei.h"
#include "data/Globals.h"
#include "editor/CurrencyEdit.h"
#include "editor/Wechselkurse.h"
#include "mainwindow/Options.h"
#include "mainwindow/Rechner.h"
#include "mainwindow/Status.h"
#include "mainwindow/Stichtag.h"
#include "plattform/Plattform.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include <cstdio>
#include <memory>

namespace {
class OhneNachfrage : public zirvanto::Plattform {
public:
    void meldung(QWidget*, const QString& text, const QString&) override {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
    }
    bool frage(QWidget*, const QString&, const QString&) override { return false; }
    void piep() override {}
    bool browserOeffnen(const QUrl&) override { return false; }
    // The date dialog picks 17 January 2015; every other dialog is cancelled.
    int modalZeigen(QDialog& dialog) override {
        auto* stichtag = qobject_cast<zirvanto::Stichtag*>(&dialog);
        if (!stichtag) return QDialog::Rejected;
        stichtag->Kalender->setSelectedDate(QDate(2015, 1, 17));
        return QDialog::Accepted;
    }
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
    const zirvanto::Uebersetzung sprache(zirvanto::spracheWaehlen(QLocale::system().uiLanguages()));
    const QLocale locale =
        sprache.sprache() == u"en"   ? QLocale(QLocale::English, QLocale::UnitedKingdom)
        : sprache.sprache() == u"it" ? QLocale(QLocale::Italian, QLocale::Italy)
                                     : QLocale(QLocale::German, QLocale::Austria);
    zirvanto::Globals globals;
    OhneNachfrage plattform;
    zirvanto::Rechner rechner(globals, plattform, QString::fromLocal8Bit(argv[2]), locale);
    const QString art = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString titel = globals.einstellungen.Texte[1];
    std::unique_ptr<QWidget> fenster;
    if (art == QLatin1String("wechselkurse")) {
        fenster = std::make_unique<zirvanto::Wechselkurse>(globals.Waehrungen, plattform,
                                                           rechner.rechenwerk().locale(), titel);
    } else if (art == QLatin1String("waehrung")) {
        auto dialog = std::make_unique<zirvanto::CurrencyEdit>(plattform, titel);
        dialog->werteSetzen(
            QStringLiteral("XDR"),
            QStringLiteral("Sonderziehungsrechte des Internationalen Währungsfonds"),
            QStringLiteral("0,833333333333333"));
        fenster = std::move(dialog);
    } else if (art == QLatin1String("Status")) {
        fenster = std::make_unique<zirvanto::Status>(titel);
    } else if (art == QLatin1String("Download")) {
        auto status = std::make_unique<zirvanto::Status>(titel);
        status->downloadZeigen(
            QCoreApplication::translate("zirvanto::Rechner",
                                        "Die Kursgeschichte der EZB wird geladen..."),
            rechner.rechenwerk().locale());
        status->fortschritt(412'000, 645'000);
        fenster = std::move(status);
    } else if (art == QLatin1String("Stichtag")) {
        fenster = std::make_unique<zirvanto::Stichtag>(
            titel, QDate(2015, 1, 17), rechner.rechenwerk().locale(),
            [](QDate) { return std::optional(QDate(2015, 1, 16)); });
    } else if (art == QLatin1String("Datum")) {
        rechner.AufZu_Click();
        rechner.Stichtag_Click();
        for (int16_t taste : {'1', '0', '0', '0', '='})
            rechner.Form_KeyPress(taste);
    } else if (art == QLatin1String("Options")) {
        auto options = std::make_unique<zirvanto::Options>(titel, plattform);
        options->Proxy->setText(QStringLiteral("proxy.verwaltung.beispiel-gemeinde.gv.at"));
        options->Port->setText(QStringLiteral("65535"));
        options->datum->setText(
            QCoreApplication::translate("zirvanto::Rechner", "Das letzte Update erfolgte am %1.")
                .arg(zirvanto::allgemeinesDatum(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)),
                                                locale)));
        fenster = std::move(options);
    } else if (art == QLatin1String("HilfeDialog")) {
        fenster = std::make_unique<zirvanto::HilfeDialog>(titel);
    } else if (!art.isEmpty()) {
        rechner.AufZu_Click();
    }
    QWidget* ziel = fenster ? fenster.get() : static_cast<QWidget*>(&rechner);
    ziel->show();
    QApplication::processEvents();
    return ziel->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
