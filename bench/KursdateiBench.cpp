// Reading and writing the rate file currency.ini; the file sizes show that
// both grow linearly with the number of entries.
#include "Kurstabellen.h"

#include "data/Einstellungsdatei.h"
#include "data/Kursdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace zirvanto {
namespace {

void anzahlenSetzen(benchmark::internal::Benchmark* b) {
    for (int anzahl : {200, 1'000, 10'000, 100'000})
        b->Arg(anzahl);
    // Wall time: a save waits for the disk, since QSaveFile syncs the new file
    // before it takes the place of the old one.
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity(benchmark::oN);
}

void zaehlerSetzen(benchmark::State& state, const QString& ordner) {
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    const qint64 groesse = QFileInfo(QDir(ordner).filePath(Kursdateiname)).size();
    state.SetBytesProcessed(state.iterations() * groesse);
}

// Each round reads the whole file into a fresh table; the release of the
// table read in the round before is part of the figure.
void KurseLesen(benchmark::State& state) {
    const auto anzahl = std::size_t(state.range(0));
    QTemporaryDir ordner;
    if (!ordner.isValid() || !kurseSpeichern(ordner.path(), bench::kurstabelle(anzahl))) {
        state.SkipWithError("Die Kursdatei lässt sich nicht anlegen.");
        return;
    }
    std::size_t gelesen = 0;
    for (auto _ : state) {
        Waehrungstabelle tabelle;
        kurseLesen(ordner.path(), tabelle);
        gelesen = tabelle.size();
        benchmark::DoNotOptimize(tabelle);
    }
    if (gelesen != anzahl + 1) {
        state.SkipWithError("Die Kursdatei wurde nicht vollständig gelesen.");
        return;
    }
    zaehlerSetzen(state, ordner.path());
}
BENCHMARK(KurseLesen)->Apply(anzahlenSetzen);

// Each round saves the whole table atomically.
void KurseSpeichern(benchmark::State& state) {
    const Waehrungstabelle tabelle = bench::kurstabelle(std::size_t(state.range(0)));
    QTemporaryDir ordner;
    if (!ordner.isValid()) {
        state.SkipWithError("Kein temporärer Ordner.");
        return;
    }
    for (auto _ : state) {
        if (!kurseSpeichern(ordner.path(), tabelle)) {
            state.SkipWithError("Die Kursdatei lässt sich nicht speichern.");
            return;
        }
    }
    zaehlerSetzen(state, ordner.path());
}
BENCHMARK(KurseSpeichern)->Apply(anzahlenSetzen);

// Settings that put every currency of the table into a row, one "Active"
// line each: every line looks its code up once, so reading grows linearly.
void AktivZeilenLesen(benchmark::State& state) {
    Globals globals;
    globals.Waehrungen = bench::kurstabelle(std::size_t(state.range(0)));
    QStringList zeilen;
    for (std::size_t k = 1; k < globals.Waehrungen.size(); ++k)
        zeilen << QStringLiteral("Active = %1;%2").arg(globals.Waehrungen[k].ISO).arg(k % 14 + 1);
    const QLocale locale(QLocale::German, QLocale::Austria);
    for (auto _ : state)
        einstellungenAnwenden(zeilen, globals, locale);
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(AktivZeilenLesen)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(30'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace zirvanto

BENCHMARK_MAIN();
