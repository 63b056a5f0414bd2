#include "core/Zahlbild.h"

#include "../support/QtDrucken.h"

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

TEST(Zahlbild, SchreibtDenWertImBild) {
    const Zahlbild &E = Ergebnisformat, &T = Eingabeformat, &K = Kursformat;
    const struct {
        double wert;
        Zahlbild bild;
        const char* text;
    } faelle[] = {
        // clang-format off
        // Result picture (E): grouped, two decimals, halves away from zero.
        {1234.5, E, "1.234,50"}, {0.1 + 0.2, E, "0,30"}, {2.675, E, "2,68"}, {-2.675, E, "-2,68"},
        {1.005, E, "1,01"}, {0.999, E, "1,00"}, {999999.995, E, "1.000.000,00"},
        {999999999999999.99, E, "1.000.000.000.000.000,00"},
        {123456789012345678.0, E, "123.456.789.012.346.000,00"},
        // A negative zero, or a negative value that rounds to zero, has no sign.
        {-0.0, E, "0,00"}, {-0.001, E, "0,00"}, {-0.0, T, "0,"},
        // Typed picture (T): as typed, the separator always written.
        {12, T, "12,"}, {1234 + 0.5 + 0.07, T, "1.234,57"}, {0.000000000000001, T, "0,000000000000001"},
        {0.0000000000000004, T, "0,"},
        // One rounding of the exact value: 8,938758602646744… keeps its 4.
        {123 / 13.7603, T, "8,93875860264674"},
        // Rate picture (K): four decimals, no grouping.
        {1936.27, K, "1936,2700"}, {0.00005, K, "0,0001"},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.bild.schreiben(f.wert, Deutsch), QString::fromUtf8(f.text)) << f.wert;
}

TEST(Zahlbild, RundetAufFuenfzehnStellenHalbeVonNullWeg) {
    EXPECT_EQ(rundeAuf15Stellen(0.1 + 0.2), 0.3);
    EXPECT_EQ(rundeAuf15Stellen(100000000000000.5), 100000000000001.0);
    EXPECT_EQ(rundeAuf15Stellen(-100000000000000.5), -100000000000001.0);
    // An exact half below the decimal point: 2^-22 = 2.384185791015625e-7.
    EXPECT_EQ(rundeAuf15Stellen(0x1p-22), 2.38418579101563e-7);
}

} // namespace
} // namespace zirvanto
