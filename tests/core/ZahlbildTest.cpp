#include "core/Zahlbild.h"

#include "../support/QtDrucken.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zirvanto {
namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

TEST(Zahlbild, SchreibtDenWertImBild) {
    const struct {
        double wert;
        Zahlbild bild;
        const char* text;
    } faelle[] = {
        // clang-format off
        // Result picture: grouped, two decimals, halves away from zero.
        {0, Ergebnisformat, "0,00"}, {1234.5, Ergebnisformat, "1.234,50"},
        {0.1 + 0.2, Ergebnisformat, "0,30"}, {2.675, Ergebnisformat, "2,68"},
        {-2.675, Ergebnisformat, "-2,68"}, {1.005, Ergebnisformat, "1,01"},
        {0.999, Ergebnisformat, "1,00"}, {999999.995, Ergebnisformat, "1.000.000,00"},
        {999999999999999.99, Ergebnisformat, "1.000.000.000.000.000,00"},
        {123456789012345678.0, Ergebnisformat, "123.456.789.012.346.000,00"},
        // A negative zero, or a negative value that rounds to zero, has no sign.
        {-0.0, Ergebnisformat, "0,00"}, {-0.001, Ergebnisformat, "0,00"},
        // Entry picture: as typed, the separator always written.
        {12, Eingabeformat, "12,"}, {-0.0, Eingabeformat, "0,"},
        {1234 + 0.5 + 0.07, Eingabeformat, "1.234,57"},
        {0.000000000000001, Eingabeformat, "0,000000000000001"},
        {0.0000000000000004, Eingabeformat, "0,"},
        // One rounding of the exact value: 8,938758602646744… keeps its 4.
        {123 / 13.7603, Eingabeformat, "8,93875860264674"},
        // Rate picture: four decimals, no grouping.
        {1936.27, Kursformat, "1936,2700"}, {0.00005, Kursformat, "0,0001"},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.bild.schreiben(f.wert, Deutsch), QString::fromUtf8(f.text)) << f.wert;
    EXPECT_EQ(Ergebnisformat.schreiben(1234.5, QLocale::c()), QStringLiteral("1,234.50"));
    for (double w : {std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_FALSE(Eingabeformat.schreiben(w, Deutsch).has_value());
}

TEST(Zahlbild, RundetAufFuenfzehnStellenHalbeVonNullWeg) {
    EXPECT_EQ(rundeAuf15Stellen(0.1 + 0.2), 0.3);
    EXPECT_EQ(rundeAuf15Stellen(100000000000000.5), 100000000000001.0);
    EXPECT_EQ(rundeAuf15Stellen(-100000000000000.5), -100000000000001.0);
    // An exact half below the decimal point: 2^-22 = 2.384185791015625e-7.
    EXPECT_EQ(rundeAuf15Stellen(0x1p-22), 2.38418579101563e-7);
    EXPECT_EQ(rundeAuf15Stellen(std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max()); // would round past the largest double
}

} // namespace
} // namespace zirvanto
