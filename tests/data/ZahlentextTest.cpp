#include "data/Zahlentext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <regex>
#include <string>

using namespace zirvanto;

namespace {

struct Schreibfall {
    double wert;
    const char* text;
};

TEST(Zahlentext, SchreibtFesteUndExponentenform) {
    const Schreibfall faelle[] = {
        {0.0, " 0"},
        {-0.0, " 0"},
        {1.0, " 1"},
        {-2.0, "-2"},
        {100.0, " 100"},
        {13.7603, " 13.7603"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {0.125, " .125"},
        {123456.789, " 123456.789"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {-2.0 / 3, "-.666666666666667"},
        {0.1 + 0.2, " .3"},
        // halves round away from zero on the shortest text 1.000000000000005
        {1.000000000000005, " 1.00000000000001"},
        {-1.000000000000005, "-1.00000000000001"},
        // lower boundary of the fixed form
        {0.0001, " .0001"},
        {0.000123, " .000123"},
        {0.00009999, " 9.999E-05"},
        {0.00001, " 1E-05"},
        {-2.5e-7, "-2.5E-07"},
        // upper boundary, decided after rounding
        {1e14, " 100000000000000"},
        {999999999999999.0, " 999999999999999"},
        {999999999999999.5, " 1E+15"},
        {1e15, " 1E+15"},
        {-1e15, "-1E+15"},
        {9007199254740992.0, " 9.00719925474099E+15"},
        {1234567890123456789.0, " 1.23456789012346E+18"},
        {1.5e20, " 1.5E+20"},
        {1e100, " 1E+100"},
        {5e-324, " 5E-324"},
        // the largest double is cut, not rounded out of range
        {std::numeric_limits<double>::max(), " 1.79769313486231E+308"},
        {std::numeric_limits<double>::infinity(), " 0"},
        {std::numeric_limits<double>::quiet_NaN(), " 0"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahlentext(f.wert).toStdString(), f.text) << f.wert;
}

struct Lesefall {
    const char16_t* text;
    double wert;
};

TEST(Zahlentext, LiestDieFuehrendeZahl) {
    const Lesefall faelle[] = {
        {u"13.7603", 13.7603},
        {u" 13.7603", 13.7603},
        {u"13,7603", 13},
        {u" 1 3 . 7 6", 13.76},
        {u"\t12\n3\r\n", 123},
        {u"+5", 5},
        {u"-5", -5},
        {u"- 5", -5},
        {u"--5", 0},
        {u"+-5", 0},
        {u".5", 0.5},
        {u"-.5", -0.5},
        {u"5.", 5},
        {u"007", 7},
        {u"1.2.3", 1.2},
        {u"1e5", 1e5},
        {u"1E+05", 1e5},
        {u" 1E-05", 1e-5},
        {u"2.5 e - 7", 2.5e-7},
        {u"5E", 5},
        {u"5E+", 5},
        {u"5e-x", 5},
        {u"1D5", 1},
        {u"E5", 0},
        {u"e", 0},
        {u".", 0},
        {u"-", 0},
        {u"", 0},
        {u" \t ", 0},
        {u"abc", 0},
        {u"12abc", 12},
        {u"0x10", 0},
        {u"\uff11", 0}, // a full-width digit is no digit
        {u"1e999", 0},
        {u"-1e999", 0},
        {u"1e-999", 0},
        {u"1e99999999999999999999", 0},
        {u"1e-99999999999999999999", 0},
        {u"4.94065645841247E-324", 5e-324},
        {u"1.79769313486231E+308", 1.79769313486231e308},
    };
    for (const auto& f : faelle) {
        const QString text = QString::fromUtf16(f.text);
        EXPECT_EQ(zahlLesen(text), f.wert) << text.toStdString();
    }
}

TEST(Zahlentext, LangeZiffernfolgen) {
    const QString nullen(100000, u'0');
    EXPECT_EQ(zahlLesen(QString(400, u'9')), 0); // beyond the range
    EXPECT_EQ(zahlLesen(nullen + QStringLiteral("42")), 42);
    EXPECT_EQ(zahlLesen(QStringLiteral(".") + nullen + QStringLiteral("1e100005")), 1e4);
    EXPECT_EQ(zahlLesen(QStringLiteral("1") + nullen + QStringLiteral("e-100000")), 1);
    // Halfway between two doubles: the digits far behind decide.
    const QString halb = QStringLiteral("9007199254740993.");
    EXPECT_EQ(zahlLesen(halb + nullen), 9007199254740992.0);
    EXPECT_EQ(zahlLesen(halb + nullen + u'1'), 9007199254740994.0);
}

// A simple reading of the same grammar as a reference for random texts.
double referenzLesen(const QString& text) {
    std::string ohneLeer;
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') ohneLeer += char(c.unicode());
    static const std::regex zahl(R"(^([+-]?)((\d+\.?\d*|\.\d+)([eE][+-]?\d+)?))");
    std::smatch treffer;
    if (!std::regex_search(ohneLeer, treffer, zahl)) return 0;
    const std::string ohneVorzeichen = treffer[2].str();
    double wert = 0;
    const auto ergebnis =
        std::from_chars(ohneVorzeichen.data(), ohneVorzeichen.data() + ohneVorzeichen.size(), wert);
    if (ergebnis.ec != std::errc()) return 0;
    return treffer[1] == "-" ? -wert : wert;
}

TEST(Zahlentext, ZufallstexteWieDieReferenz) {
    const char16_t zeichen[] = u"0123456789..++--eEE \t\r\n,x";
    std::mt19937 zufall(20010101);
    std::uniform_int_distribution<int> laenge(0, 24);
    std::uniform_int_distribution<std::size_t> wahl(0, std::size(zeichen) - 2);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int n = laenge(zufall); n > 0; --n)
            text += QChar(zeichen[wahl(zufall)]);
        ASSERT_EQ(zahlLesen(text), referenzLesen(text)) << text.toStdString();
    }
}

// Half a unit in the 15th significant digit of `wert`, plus one ulp of slack
// for the conversion back to binary.
double toleranz(double wert) {
    const int exp10 = int(std::floor(std::log10(std::fabs(wert))));
    return 0.5 * std::pow(10.0, exp10 - 14) * (1 + 1e-14) +
           std::nextafter(std::fabs(wert), INFINITY) - std::fabs(wert);
}

void rundreise(double wert) {
    const QString text = zahlentext(wert);
    const double gelesen = zahlLesen(text);
    ASSERT_LE(std::fabs(gelesen - wert), toleranz(wert)) << text.toStdString();
    ASSERT_EQ(zahlentext(gelesen), text);
}

TEST(Zahlentext, RundreiseZufaelligerWerte) {
    std::mt19937_64 zufall(13'7603);
    std::uniform_real_distribution<double> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double wert = std::pow(10.0, exponent(zufall)) * (i % 2 ? -1 : 1);
        rundreise(wert);
    }
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = zufall();
        double wert;
        std::memcpy(&wert, &bits, sizeof wert);
        if (std::isfinite(wert) && wert != 0) rundreise(wert);
    }
}

TEST(Zahlentext, KurseBleibenGenau) {
    // The fixed rates of the former national currencies and ECB rates.
    const double kurse[] = {13.7603, 40.3399, 1.95583,  166.386, 5.94573,  6.55957,  0.787564,
                            1936.27, 2.20371, 200.482,  340.750, 239.640,  0.585274, 0.429300,
                            30.1260, 15.6466, 0.702804, 3.45280, 1.1415,   185.31,   24.157,
                            0.85538, 353.50,  20565.38, 1747.72, 108.9035, 0.9201,   53.4222};
    for (double kurs : kurse)
        EXPECT_EQ(zahlLesen(zahlentext(kurs)), kurs) << kurs;
    std::mt19937 zufall(2866);
    std::uniform_int_distribution<std::int64_t> mantisse(1, 999'999'999'999'999);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 20000; ++i) {
        const std::string text =
            std::to_string(mantisse(zufall)) + "e" + std::to_string(exponent(zufall));
        double wert = 0;
        std::from_chars(text.data(), text.data() + text.size(), wert);
        ASSERT_EQ(zahlLesen(zahlentext(wert)), wert) << text;
    }
}

} // namespace
