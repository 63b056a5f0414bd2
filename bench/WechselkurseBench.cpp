// Opening the rate list window over tables of growing size: the window is
// built, filled and shown, and its first paint is done.
#include "Kurstabellen.h"

#include "editor/Wechselkurse.h"
#include "plattform/Plattform.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

namespace zirvanto {
namespace {

// The window asks nothing while it opens; a desktop that answers "Nein"
// keeps any stray question from waiting.
class StillePlattform : public Plattform {
public:
    void meldung(QWidget*, const QString&, const QString& = {}) override {}
    bool frage(QWidget*, const QString&, const QString& = {}) override { return false; }
    void piep() override {}
    bool browserOeffnen(const QUrl&) override { return false; }
    int modalZeigen(QDialog&) override { return QDialog::Rejected; }
};

// Each round opens a fresh window, as the menu command does, shows it and
// lets it paint; closing and releasing it is part of the figure.
void WechselkurseOeffnen(benchmark::State& state) {
    const auto anzahl = std::size_t(state.range(0));
    Waehrungstabelle tabelle = bench::kurstabelle(anzahl);
    StillePlattform plattform;
    const QLocale locale(QLocale::German, QLocale::Austria);
    int zeilen = -1;
    for (auto _ : state) {
        Wechselkurse fenster(tabelle, plattform, locale, QStringLiteral("Zirvanto"));
        fenster.show();
        if (!QTest::qWaitForWindowExposed(&fenster)) {
            state.SkipWithError("Das Fenster wurde nicht sichtbar.");
            return;
        }
        QApplication::processEvents();
        const auto* liste = fenster.findChild<QTableView*>(QStringLiteral("CurrList"));
        zeilen = liste ? liste->model()->rowCount() : -1;
    }
    if (zeilen != int(anzahl)) {
        state.SkipWithError("Die Liste zeigt nicht jede Währung.");
        return;
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(WechselkurseOeffnen)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

} // namespace
} // namespace zirvanto
