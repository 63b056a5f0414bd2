#include "data/Zahlentext.h"

#include "data/Dezimalziffern.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace zirvanto {
namespace {

TEST(Zahlentext, SchreibtFesteUndExponentenform) {
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        // clang-format off
        {0.0, " 0"}, {-0.0, " 0"}, {-2.0, "-2"}, {100.0, " 100"}, {-0.5, "-.5"}, {0.1 + 0.2, " .3"},
        {std::numeric_limits<double>::infinity(), " 0"}, {std::nan(""), " 0"},
        // 15 significant digits; halves round away from zero
        {2.0 / 3, " .666666666666667"}, {-1.000000000000005, "-1.00000000000001"},
        // fixed from 0.0001 up to below 1E15, decided after rounding
        {0.0001, " .0001"}, {0.00009999, " 9.999E-05"}, {-2.5e-7, "-2.5E-07"},
        {999999999999999.0, " 999999999999999"}, {999999999999999.5, " 1E+15"},
        {1234567890123456789.0, " 1.23456789012346E+18"}, {1e100, " 1E+100"}, {5e-324, " 5E-324"},
        // the largest double is cut, not rounded out of range
        {std::numeric_limits<double>::max(), " 1.79769313486231E+308"},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahlentext(f.wert).toStdString(), f.text) << f.wert;
}

TEST(Zahlentext, LiestDieFuehrendeZahl) {
    const QString nullen(1000, u'0');
    const struct {
        QString text;
        double wert;
    } faelle[] = {
        // clang-format off
        {"13.7603", 13.7603}, {"13,7603", 13}, {"1.2.3", 1.2}, {"\t1 2\n3 . 7\r\n6", 123.76},
        {"- 5", -5}, {"+5", 5}, {"+-5", 0}, {".5", 0.5}, {"007", 7}, {"1E+05", 1e5},
        {"2.5 e - 7", 2.5e-7}, {"5E+", 5}, {"E5", 0}, {".", 0}, {"", 0}, {"abc", 0},
        {u"7\uff11"_s, 7}, // a full-width digit is no digit
        // beyond the range of a double, and near its ends
        {"1e999", 0}, {"1e-999", 0}, {"1e99999999999999999999", 0}, {QString(400, u'9'), 0},
        {"4.94065645841247E-324", 5e-324}, {"1.79769313486231E+308", 1.79769313486231e308},
        {nullen + "42", 42}, {"." + nullen + "1e1005", 1e4}, {"1" + nullen + "e-1000", 1},
        // halfway between two doubles: the digits far behind decide
        {"9007199254740993." + nullen, 9007199254740992.0},
        {"9007199254740993." + nullen + "1", 9007199254740994.0},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahlLesen(f.text), f.wert) << f.text.left(40).toStdString();
}

TEST(Zahlentext, RundetGanzHalbeZurGeradenZahl) {
    for (const double wert : {0.5, 1.5, 2.5, -0.5, -2.5, 0.49999999999999994, 4503599627370495.5,
                              4503599627370497.0, -1e300, 0.0, -0.0, 7.0})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ganzGerundet(wert)),
                  std::bit_cast<std::uint64_t>(std::nearbyint(wert)))
            << wert;
}

// Against libstdc++ on random doubles: the same shortest digits, the same
// rounded digits but for exact halves (up here, to even there), and the same
// reading of long texts just below, at and above the midpoint to the next
// double.
TEST(Dezimalziffern, RechnenWieDieStandardbibliothek) {
    const auto text = [](const Ziffern& z) {
        std::string t = z.ziffern;
        if (t.size() > 1) t.insert(1, 1, '.');
        char exponent[8];
        std::snprintf(exponent, sizeof exponent, "e%+03d", z.exponent);
        return t + exponent;
    };
    EXPECT_EQ(dezimalLesen("inf"), std::nullopt);
    std::mt19937_64 zufall(24);
    char puffer[1000];
    for (int i = 0; i < 5000; ++i) {
        const double x = std::bit_cast<double>(zufall() >> 1);
        if (!std::isfinite(x) || x == 0) continue;
        EXPECT_EQ(
            text(kuerzesteZiffern(x)),
            std::string(puffer,
                        std::to_chars(puffer, puffer + 999, x, std::chars_format::scientific).ptr));
        const int stellen = i % 10 ? int(1 + zufall() % 18) : 767;
        const std::string unsere = text(gerundeteZiffern(x, stellen));
        const std::string ihre(
            puffer,
            std::to_chars(puffer, puffer + 999, x, std::chars_format::scientific, stellen - 1).ptr);
        if (unsere != ihre) {
            std::to_chars(puffer, puffer + 999, x, std::chars_format::scientific, 766);
            EXPECT_EQ(std::string(puffer + stellen + 1, 767 - stellen).find_first_not_of('0', 1),
                      std::string::npos);
            EXPECT_EQ(puffer[stellen + 1], '5');
            EXPECT_GT(unsere, ihre);
        }
        const long double mitte = (x + (long double)(std::nextafter(x, HUGE_VAL))) / 2;
        const std::string genau(
            puffer,
            std::to_chars(puffer, puffer + 999, mitte, std::chars_format::scientific, 800).ptr);
        for (const std::string& t : {genau, genau.substr(0, 30) + genau.substr(genau.find('e')),
                                     genau.substr(0, 802) + "1" + genau.substr(genau.find('e'))}) {
            double erwartet = 0;
            const bool imBereich =
                std::from_chars(t.data(), t.data() + t.size(), erwartet).ec == std::errc();
            EXPECT_EQ(dezimalLesen(t), imBereich ? std::optional(erwartet) : std::nullopt) << t;
        }
    }
}

} // namespace
} // namespace zirvanto
