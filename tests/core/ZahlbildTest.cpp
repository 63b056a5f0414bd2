#include "core/Zahlbild.h"

#include "../support/QtDrucken.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace zirvanto {
namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

struct Bildfall {
    double wert;
    Zahlbild bild;
    const char* erwartet;
};

std::ostream& operator<<(std::ostream& os, const Bildfall& f) {
    return os << f.wert << " -> " << f.erwartet;
}

class ZahlbildTest : public ::testing::TestWithParam<Bildfall> {};

TEST_P(ZahlbildTest, SchreibtDenWertImBild) {
    const Bildfall& f = GetParam();
    EXPECT_EQ(f.bild.schreiben(f.wert, Deutsch), QString::fromUtf8(f.erwartet)) << f.wert;
}

INSTANTIATE_TEST_SUITE_P(
    Bilder, ZahlbildTest,
    ::testing::Values(
        // Result picture: grouped, two decimals, halves away from zero.
        Bildfall{0, Ergebnisformat, "0,00"}, Bildfall{1234.5, Ergebnisformat, "1.234,50"},
        Bildfall{0.1 + 0.2, Ergebnisformat, "0,30"}, Bildfall{2.675, Ergebnisformat, "2,68"},
        Bildfall{-2.675, Ergebnisformat, "-2,68"}, Bildfall{1.005, Ergebnisformat, "1,01"},
        Bildfall{0.999, Ergebnisformat, "1,00"},
        Bildfall{999999.995, Ergebnisformat, "1.000.000,00"},
        Bildfall{72.6728341678597, Ergebnisformat, "72,67"},
        Bildfall{1e15, Ergebnisformat, "1.000.000.000.000.000,00"},
        Bildfall{999999999999999.99, Ergebnisformat, "1.000.000.000.000.000,00"},
        Bildfall{123456789012345678.0, Ergebnisformat, "123.456.789.012.346.000,00"},
        Bildfall{1e-20, Ergebnisformat, "0,00"},
        // A negative zero, or a negative value that rounds to zero, has no sign.
        Bildfall{-0.0, Ergebnisformat, "0,00"}, Bildfall{-0.001, Ergebnisformat, "0,00"},
        Bildfall{-1234567.891, Ergebnisformat, "-1.234.567,89"},
        // Entry picture: as typed, the separator always written.
        Bildfall{12, Eingabeformat, "12,"}, Bildfall{12.5, Eingabeformat, "12,5"},
        Bildfall{0, Eingabeformat, "0,"}, Bildfall{-0.0, Eingabeformat, "0,"},
        Bildfall{1234.57, Eingabeformat, "1.234,57"},
        Bildfall{1234 + 0.5 + 0.07, Eingabeformat, "1.234,57"},
        Bildfall{0.000000000000001, Eingabeformat, "0,000000000000001"},
        Bildfall{0.0000000000000004, Eingabeformat, "0,"},
        Bildfall{1234567890123456.0, Eingabeformat, "1.234.567.890.123.460,"},
        // One rounding of the exact value: 8,938758602646744… keeps its 4.
        Bildfall{123 / 13.7603, Eingabeformat, "8,93875860264674"},
        // Rate picture: four decimals, no grouping.
        Bildfall{13.7603, Kursformat, "13,7603"}, Bildfall{1, Kursformat, "1,0000"},
        Bildfall{1936.27, Kursformat, "1936,2700"}, Bildfall{0.00005, Kursformat, "0,0001"}),
    [](const auto& info) { return "Fall" + std::to_string(info.index); });

TEST(Zahlbild, NichtEndlicheWerteHabenKeinBild) {
    for (double w :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(Ergebnisformat.schreiben(w, Deutsch).has_value());
        EXPECT_FALSE(Eingabeformat.schreiben(w, Deutsch).has_value());
    }
}

TEST(Zahlbild, FolgtDenTrennzeichenDerLocale) {
    const QLocale englisch(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Ergebnisformat.schreiben(1234.5, englisch), QStringLiteral("1,234.50"));
    EXPECT_EQ(Kursformat.schreiben(13.7603, englisch), QStringLiteral("13.7603"));
}

TEST(Zahlbild, RundetAufFuenfzehnStellenHalbeVonNullWeg) {
    EXPECT_EQ(rundeAuf15Stellen(0.1 + 0.2), 0.3);
    EXPECT_EQ(rundeAuf15Stellen(100000000000000.5), 100000000000001.0);
    EXPECT_EQ(rundeAuf15Stellen(-100000000000000.5), -100000000000001.0);
    EXPECT_EQ(rundeAuf15Stellen(2.9999999999999996), 3.0);
    // An exact half below the decimal point: 2^-22 = 2.384185791015625e-7.
    EXPECT_EQ(rundeAuf15Stellen(0x1p-22), 2.38418579101563e-7);
    EXPECT_EQ(rundeAuf15Stellen(123 / 13.7603), 8.93875860264674);
    EXPECT_EQ(rundeAuf15Stellen(0), 0);
    EXPECT_EQ(rundeAuf15Stellen(1e300), 1e300);
    EXPECT_EQ(rundeAuf15Stellen(5e-324), 5e-324);
}

} // namespace
} // namespace zirvanto
