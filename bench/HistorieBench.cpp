// The ECB history at full size (7,000 working days by 41 currencies, every
// rate quoted): importing the zip into the SQLite file, opening that file,
// and taking the rates of a day. The figures show the file size as well.
#include "Kursgeschichte.h"

#include "historie/Kurshistorie.h"
#include "historie/Tageskurs.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace zirvanto {
namespace {

const QByteArray& zip() {
    static const QByteArray z = bench::historienzip();
    return z;
}

QString datei(const QTemporaryDir& ordner) {
    return QDir(ordner.path()).filePath(Historiendateiname);
}

// Unpacking, reading the CSV and building the file, as after a download.
void HistorieImportieren(benchmark::State& state) {
    QTemporaryDir ordner;
    Kurshistorie historie(datei(ordner));
    for (auto _ : state) {
        const Verlauf verlauf = csvAusZip(zip());
        if (!historie.ersetzen(verlauf.tage)) state.SkipWithError("Import misslungen");
    }
    state.counters["zip_KB"] = double(zip().size()) / 1024;
    state.counters["datei_MB"] = double(QFileInfo(datei(ordner)).size()) / (1 << 20);
}
BENCHMARK(HistorieImportieren)->Unit(benchmark::kMillisecond)->UseRealTime();

// The rates of a chosen day for 60 currencies of a table.
void StichtagWechseln(benchmark::State& state) {
    QTemporaryDir ordner;
    Kurshistorie historie(datei(ordner));
    historie.ersetzen(csvAusZip(zip()).tage);
    QRandomGenerator zufall(3);
    for (auto _ : state) {
        const QDate gewaehlt = QDate(1999, 1, 4).addDays(zufall.bounded(9'900));
        const QDate tag = *historie.genutzterTag(gewaehlt);
        const QHash<QString, double> kurse = historie.kurseAm(tag);
        double summe = 0;
        for (int k = 0; k < 60; ++k)
            summe +=
                tageskurs(bench::Codes[std::size_t(k) % bench::Codes.size()], tag, kurse, 1.0).kurs;
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(StichtagWechseln)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The first date of a run: the file opened and checked, then one day read.
void ErsterStichtag(benchmark::State& state) {
    QTemporaryDir ordner;
    Kurshistorie(datei(ordner)).ersetzen(csvAusZip(zip()).tage);
    for (auto _ : state) {
        Kurshistorie historie(datei(ordner));
        benchmark::DoNotOptimize(historie.kurseAm(*historie.genutzterTag(QDate(2015, 1, 17))));
    }
}
BENCHMARK(ErsterStichtag)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace zirvanto

BENCHMARK_MAIN();
