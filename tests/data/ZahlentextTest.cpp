#include "data/Zahlentext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace zirvanto;

namespace {

constexpr double Max = std::numeric_limits<double>::max();
constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(Zahlentext, SchreibtFesteUndExponentenform) {
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        // clang-format off
        {0.0, " 0"}, {-0.0, " 0"}, {-2.0, "-2"}, {100.0, " 100"}, {13.7603, " 13.7603"},
        {0.5, " .5"}, {-0.5, "-.5"}, {0.1 + 0.2, " .3"},
        // 15 significant digits; halves round away from zero
        {1.0 / 3, " .333333333333333"}, {2.0 / 3, " .666666666666667"},
        {1.000000000000005, " 1.00000000000001"}, {-1.000000000000005, "-1.00000000000001"},
        // fixed from 0.0001 up to below 1E15, decided after rounding
        {0.0001, " .0001"}, {0.00009999, " 9.999E-05"}, {-2.5e-7, "-2.5E-07"},
        {999999999999999.0, " 999999999999999"}, {999999999999999.5, " 1E+15"},
        {1e15, " 1E+15"}, {1234567890123456789.0, " 1.23456789012346E+18"},
        {1e100, " 1E+100"}, {5e-324, " 5E-324"},
        // the largest double is cut, not rounded out of range
        {Max, " 1.79769313486231E+308"}, {Inf, " 0"}, {std::nan(""), " 0"},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahlentext(f.wert).toStdString(), f.text) << f.wert;
}

TEST(Zahlentext, LiestDieFuehrendeZahl) {
    const struct {
        const char16_t* text;
        double wert;
    } faelle[] = {
        // clang-format off
        {u"13.7603", 13.7603}, {u"13,7603", 13}, {u"1.2.3", 1.2}, {u"12abc", 12},
        {u"\t1 2\n3 . 7\r\n6", 123.76}, {u"- 5", -5}, {u"+5", 5}, {u"+-5", 0},
        {u".5", 0.5}, {u"5.", 5}, {u"007", 7}, {u"1E+05", 1e5}, {u"2.5 e - 7", 2.5e-7},
        {u"5E+", 5}, {u"E5", 0}, {u".", 0}, {u"", 0}, {u" \t ", 0}, {u"abc", 0},
        {u"7\uff11", 7}, // a full-width digit is no digit
        // beyond the range of a double, and near its ends
        {u"1e999", 0}, {u"1e-999", 0}, {u"1e99999999999999999999", 0},
        {u"1e-99999999999999999999", 0}, {u"4.94065645841247E-324", 5e-324},
        {u"1.79769313486231E+308", 1.79769313486231e308},
        // clang-format on
    };
    for (const auto& f : faelle) {
        const QString text = QString::fromUtf16(f.text);
        EXPECT_EQ(zahlLesen(text), f.wert) << text.toStdString();
    }

    const QString nullen(1000, u'0');
    EXPECT_EQ(zahlLesen(QString(400, u'9')), 0);
    EXPECT_EQ(zahlLesen(nullen + "42"), 42);
    EXPECT_EQ(zahlLesen("." + nullen + "1e1005"), 1e4);
    EXPECT_EQ(zahlLesen("1" + nullen + "e-1000"), 1);
    // Halfway between two doubles: the digits far behind decide.
    EXPECT_EQ(zahlLesen("9007199254740993." + nullen), 9007199254740992.0);
    EXPECT_EQ(zahlLesen("9007199254740993." + nullen + "1"), 9007199254740994.0);
    const QString einsUndHalb = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(zahlLesen(einsUndHalb), 1.0);
    EXPECT_EQ(zahlLesen(einsUndHalb + "1"), std::nextafter(1.0, 2.0));
}

TEST(Zahlentext, RundreiseBehaeltFuenfzehnStellen) {
    std::mt19937_64 zufall(137603);
    std::uniform_int_distribution<std::int64_t> mantisse(1, 999'999'999'999'999);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_real_distribution<double> groesse(-30, 30);
    for (int i = 0; i < 500; ++i) {
        // Up to 15 significant digits come back exactly.
        const std::string text =
            std::to_string(mantisse(zufall)) + "e" + std::to_string(exponent(zufall));
        double genau = 0;
        std::from_chars(text.data(), text.data() + text.size(), genau);
        ASSERT_EQ(zahlLesen(zahlentext(genau)), genau) << text;

        // Any value comes back within half a unit of its 15th digit (plus one
        // ulp), and its text then stays the same.
        const double wert = std::pow(10.0, groesse(zufall)) * (i % 2 ? -1 : 1);
        const QString geschrieben = zahlentext(wert);
        const double gelesen = zahlLesen(geschrieben);
        const double betrag = std::fabs(wert);
        const double toleranz =
            0.5 * std::pow(10.0, std::floor(std::log10(betrag)) - 14) * (1 + 1e-14) +
            std::nextafter(betrag, Inf) - betrag;
        ASSERT_LE(std::fabs(gelesen - wert), toleranz) << geschrieben.toStdString();
        ASSERT_EQ(zahlentext(gelesen), geschrieben);
    }
}

} // namespace
