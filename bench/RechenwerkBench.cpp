// One key through the engine with a full result display: both main displays
// and fourteen side boxes.
#include "core/Rechenwerk.h"

#include <benchmark/benchmark.h>

namespace zirvanto {
namespace {

Waehrungstabelle vollerTisch() {
    Waehrungstabelle tabelle;
    for (int i = 1; i <= Seitenzeilen; ++i) {
        Waehrung w;
        w.ISO = QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0'));
        w.Kurs = 13.7603 * i + 0.123456;
        tabelle.anhaengen(w);
        tabelle[std::size_t(i)].Aktiv = true;
        tabelle[std::size_t(i)].Platz = int16_t(i);
    }
    tabelle.HauptwaehrungIndex = 1;
    return tabelle;
}

// "=" repeats the pending addition: one computation and a full result display.
void GleichMitVollerAnzeige(benchmark::State& state) {
    const Waehrungstabelle tabelle = vollerTisch();
    Rechenwerk werk(tabelle, QLocale(QLocale::German, QLocale::Germany));
    for (QChar c : QStringLiteral("1234,56+789,01="))
        werk.taste(int16_t(c.unicode()));
    for (auto _ : state) {
        werk.taste(Taste::Gleich);
        benchmark::DoNotOptimize(werk.anzeige().SideBox[14]);
    }
}
BENCHMARK(GleichMitVollerAnzeige);

// A digit typed: the entry display only.
void ZifferEingabe(benchmark::State& state) {
    const Waehrungstabelle tabelle = vollerTisch();
    Rechenwerk werk(tabelle, QLocale(QLocale::German, QLocale::Germany));
    int n = 0;
    for (auto _ : state) {
        if (n++ % 12 == 0) werk.taste(Taste::C);
        werk.taste(int16_t('7'));
        benchmark::DoNotOptimize(werk.anzeige().DispSchilling);
    }
}
BENCHMARK(ZifferEingabe);

} // namespace
} // namespace zirvanto

BENCHMARK_MAIN();
