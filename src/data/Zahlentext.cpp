#include "data/Zahlentext.h"

#include "data/Dezimalziffern.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zirvanto {

namespace {

constexpr std::size_t Stellen = 15;

// The digits of a finite, non-zero value, rounded to 15 significant digits,
// without trailing zeros. Rounds on the shortest decimal text that reads
// back as the same double, so that a value like 0.1 + 0.2
// (0.30000000000000004) becomes 0.3 and a halfway digit rounds away from
// zero as a person would expect. Values so close to the largest double that
// rounding up would leave the range of a double are cut instead, so that
// their text can still be read.
Ziffern zerlegen(double wert) {
    constexpr double GroessterAufrundbarer = 1.797693134862315e308;
    Ziffern z = kuerzesteZiffern(std::fabs(wert));

    if (z.ziffern.size() > Stellen) {
        const bool aufrunden = z.ziffern[Stellen] >= '5' && std::fabs(wert) < GroessterAufrundbarer;
        z.ziffern.resize(Stellen);
        if (aufrunden) {
            std::size_t i = Stellen;
            while (i > 0 && z.ziffern[i - 1] == '9')
                z.ziffern[--i] = '0';
            if (i == 0) {
                z.ziffern.insert(z.ziffern.begin(), '1');
                ++z.exponent;
            } else {
                ++z.ziffern[i - 1];
            }
        }
    }
    while (z.ziffern.size() > 1 && z.ziffern.back() == '0')
        z.ziffern.pop_back();
    return z;
}

bool leer(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r';
}

bool ziffer(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// More digits than this never change the nearest double; the rest only
// matters as "something non-zero follows".
constexpr std::size_t MaxZiffern = 800;

// Decimal exponents far enough outside the range of a double to decide
// without converting: 0.d × 10^311 overflows, 0.d × 10^-330 is below the
// smallest subnormal.
constexpr std::int64_t MaxExponent = 311;
constexpr std::int64_t MinExponent = -330;

// Saturates long exponents so the arithmetic below cannot overflow.
constexpr std::int64_t ExponentGrenze = 1'000'000'000;

} // namespace

QString zahlentext(double wert) {
    if (!std::isfinite(wert) || wert == 0) return QStringLiteral(" 0");
    const Ziffern z = zerlegen(wert);
    const auto n = z.ziffern.size();
    // Digits before the point; below 1, minus the zeros after it.
    const int vorKomma = z.exponent + 1;

    std::string text(1, wert < 0 ? '-' : ' ');
    if (vorKomma >= -3 && vorKomma <= 15) {
        // Fixed notation, 0.0001 <= |wert| < 1E15.
        if (vorKomma > 0) {
            const auto ganz = std::size_t(vorKomma);
            if (n <= ganz) {
                text += z.ziffern;
                text.append(ganz - n, '0');
            } else {
                text.append(z.ziffern, 0, ganz);
                text += '.';
                text.append(z.ziffern, ganz);
            }
        } else {
            text += '.';
            text.append(std::size_t(-vorKomma), '0');
            text += z.ziffern;
        }
    } else {
        text += z.ziffern[0];
        if (n > 1) {
            text += '.';
            text.append(z.ziffern, 1);
        }
        text += z.exponent < 0 ? "E-" : "E+";
        const int betrag = std::abs(z.exponent);
        if (betrag < 10) text += '0';
        text += std::to_string(betrag);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

double ganzGerundet(double wert) {
    // From 2^52 on every double is whole. Below, adding 2^52 leaves no bits
    // for a fraction, and the addition rounds as the hardware does.
    constexpr double Zwei52 = 4503599627370496.0;
    const double betrag = std::fabs(wert);
    if (!(betrag < Zwei52)) return wert;
    return std::copysign(betrag + Zwei52 - Zwei52, wert);
}

double zahlLesen(QStringView text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto zeichen = [&]() -> char16_t {
        while (i < n && leer(text[i]))
            ++i;
        return i < n ? text[i].unicode() : u'\0';
    };

    char16_t c = zeichen();
    bool negativ = false;
    if (c == u'+' || c == u'-') {
        negativ = c == u'-';
        ++i;
        c = zeichen();
    }

    // The value is 0.<ziffern> × 10^exponent; leading zeros are not kept.
    std::string ziffern;
    bool rest = false; // non-zero digits beyond MaxZiffern
    std::int64_t exponent = 0;
    bool mantisse = false;
    const auto aufnehmen = [&](char16_t d) {
        if (ziffern.size() < MaxZiffern)
            ziffern.push_back(char(d));
        else if (d != u'0')
            rest = true;
    };
    for (; ziffer(c); ++i, c = zeichen()) {
        mantisse = true;
        if (ziffern.empty() && c == u'0') continue;
        aufnehmen(c);
        ++exponent;
    }
    if (c == u'.') {
        ++i;
        for (c = zeichen(); ziffer(c); ++i, c = zeichen()) {
            mantisse = true;
            if (ziffern.empty() && c == u'0')
                --exponent;
            else
                aufnehmen(c);
        }
    }
    if (!mantisse) return 0;

    if (c == u'E' || c == u'e') {
        // An exponent without digits adds nothing: "5E" reads 5.
        ++i;
        c = zeichen();
        bool expNegativ = false;
        if (c == u'+' || c == u'-') {
            expNegativ = c == u'-';
            ++i;
            c = zeichen();
        }
        std::int64_t wert = 0;
        for (; ziffer(c); ++i, c = zeichen())
            if (wert < ExponentGrenze) wert = wert * 10 + (c - u'0');
        exponent += expNegativ ? -wert : wert;
    }

    if (ziffern.empty()) return 0;
    if (exponent > MaxExponent || exponent < MinExponent) return 0;
    if (rest) ziffern.push_back('1');

    std::string zahl = negativ ? "-0." : "0.";
    zahl += ziffern;
    zahl += 'e';
    zahl += std::to_string(exponent);
    return dezimalLesen(zahl).value_or(0); // 0 beyond the range of a double
}

} // namespace zirvanto
