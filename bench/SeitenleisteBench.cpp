// The fourteen side lists of the main window: refilling them with every
// currency no row shows plus each row's own, and opening one of them.
#include "Kurstabellen.h"

#include "data/Einstellungsdatei.h"
#include "data/Globals.h"
#include "data/Kursdatei.h"
#include "data/Textdatei.h"
#include "mainwindow/Rechner.h"
#include "plattform/Plattform.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <optional>

namespace zirvanto {
namespace {

// A desktop that says "Nein" to every question and counts what the window
// tells it, so that a start-up that asks or complains can be caught.
class StillePlattform : public Plattform {
public:
    void meldung(QWidget*, const QString&, const QString& = {}) override { ++meldungen; }
    bool frage(QWidget*, const QString&, const QString& = {}) override {
        ++fragen;
        return false;
    }
    void piep() override {}
    bool browserOeffnen(const QUrl&) override { return false; }
    int modalZeigen(QDialog&) override { return QDialog::Rejected; }

    int meldungen = 0;
    int fragen = 0;
};

// Rows 1..10 each show one currency, rows 11..14 none.
constexpr int BelegteZeilen = 10;

// A program folder with a rate file of `anzahl` entries and a settings file,
// so the window starts without the first-start question.
std::optional<QString> programmordnerAnlegen(const QTemporaryDir& ordner, std::size_t anzahl) {
    if (!ordner.isValid() || !kurseSpeichern(ordner.path(), bench::kurstabelle(anzahl)))
        return std::nullopt;
    QStringList einstellungen{QStringLiteral("Main = EUR")};
    for (int zeile = 1; zeile <= BelegteZeilen; ++zeile) {
        const std::size_t eintrag = std::size_t(zeile - 1) * anzahl / BelegteZeilen;
        einstellungen
            << QStringLiteral("Active = %1;%2").arg(bench::dreibuchstabencode(eintrag)).arg(zeile);
    }
    if (!textdateiSpeichern(QDir(ordner.path()).filePath(Einstellungsdateiname), einstellungen))
        return std::nullopt;
    return ordner.path();
}

int listeneintraege(const Rechner& rechner) {
    int summe = 0;
    for (int zeile = 1; zeile <= Seitenzeilen; ++zeile)
        if (const auto* liste =
                rechner.findChild<QComboBox*>(QStringLiteral("SideCombo(%1)").arg(zeile)))
            summe += liste->count();
    return summe;
}

// Runs `runde` on a shown main window with the rate table open, as the user
// sees it when picking a currency in a side list.
template <typename Runde> void amFensterMessen(benchmark::State& state, Runde runde) {
    const auto anzahl = std::size_t(state.range(0));
    QTemporaryDir ordner;
    const auto pfad = programmordnerAnlegen(ordner, anzahl);
    if (!pfad) {
        state.SkipWithError("Der Programmordner lässt sich nicht anlegen.");
        return;
    }
    Globals globals;
    StillePlattform plattform;
    Rechner rechner(globals, plattform, *pfad, QLocale(QLocale::German, QLocale::Austria));
    if (plattform.fragen + plattform.meldungen > 0 || globals.Waehrungen.size() != anzahl + 1) {
        state.SkipWithError("Der Start verlief nicht wie vorgesehen.");
        return;
    }
    rechner.Kurstabelle_Click();
    rechner.show();
    if (!QTest::qWaitForWindowExposed(&rechner)) {
        state.SkipWithError("Das Fenster wurde nicht sichtbar.");
        return;
    }
    QApplication::processEvents();

    for (auto _ : state)
        runde(rechner);

    // Every row offers "---", the currencies of no row and its own.
    const int erwartet = Seitenzeilen * (1 + int(anzahl) - BelegteZeilen) + BelegteZeilen;
    if (listeneintraege(rechner) != erwartet) {
        state.SkipWithError("Die Listen wurden nicht richtig gefüllt.");
        return;
    }
    state.counters["Listeneintraege"] = erwartet;
}

// The refill alone, as the side panel's handler calls it.
void WaehrungslistenFuellen(benchmark::State& state) {
    amFensterMessen(state, [](Rechner& rechner) { rechner.WaehrungslistenFuellen(); });
}
BENCHMARK(WaehrungslistenFuellen)->Arg(50)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// The refill and the repaint it causes.
void WaehrungslistenFuellenUndZeichnen(benchmark::State& state) {
    amFensterMessen(state, [](Rechner& rechner) {
        rechner.WaehrungslistenFuellen();
        QApplication::processEvents();
    });
}
BENCHMARK(WaehrungslistenFuellenUndZeichnen)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

// Opening a side list, as a click on it does, and closing it again.
void ListeAufklappen(benchmark::State& state) {
    amFensterMessen(state, [](Rechner& rechner) {
        auto* liste = rechner.findChild<QComboBox*>(QStringLiteral("SideCombo(1)"));
        liste->showPopup();
        QApplication::processEvents();
        liste->hidePopup();
    });
}
BENCHMARK(ListeAufklappen)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zirvanto
